#pragma once

#include <QString>

// The FTP operations whose failures the user is told about.
enum class FtpOperation { Login, List, ChangeDir, ParentDir, Fetch, Send };

// What went wrong, as libcurl reports it.
struct FtpFailure {
    int curlCode = 0; // a CURLcode
    int osErrno = 0;  // the system's error number of a failed connect
};

// The error number the FTP window reacts to for a failure of an operation.
int ftpErrorNumber(FtpOperation operation, const FtpFailure &failure);

// The message the FTP window shows for an error number; empty for a number
// it has no message of its own for.
QString ftpErrorMessage(int number);
