#include "ftperrors.h"

#include <curl/curl.h>

#include <cerrno>

namespace {

const char kSupportAddress[] = "support@quendel.org";

bool noNetwork(int osErrno)
{
    return osErrno == ENETUNREACH || osErrno == ENETDOWN || osErrno == EHOSTUNREACH;
}

} // namespace

int ftpErrorNumber(FtpOperation operation, const FtpFailure &failure)
{
    switch (failure.curlCode) {
    case CURLE_COULDNT_CONNECT:
        if (noNetwork(failure.osErrno))
            return 1003;
        break;
    case CURLE_LOGIN_DENIED:
    case CURLE_FTP_WEIRD_PASS_REPLY: return 1015; // also when a lost connection is opened again
    case CURLE_FTP_COULDNT_SET_TYPE: return 2127;
    default: break;
    }
    // Everything else counts against the operation that ran: a refused,
    // unknown, silent or foreign server while logging in, a refused data
    // connection or a stalled transfer afterwards.
    switch (operation) {
    case FtpOperation::Login: return 2108;
    case FtpOperation::List: return 2117;
    case FtpOperation::ChangeDir:
    case FtpOperation::ParentDir: return 2107;
    case FtpOperation::Fetch: return 2113;
    case FtpOperation::Send: return 2120;
    }
    return 2108;
}

QString ftpErrorMessage(int number)
{
    switch (number) {
    case 1003: return QStringLiteral("No access to the internet!\r\nPlease log on and try again");
    case 1015: return QStringLiteral("Membername and/or password not valid!\r\nPlease check the entries and try again");
    case 2107: return QStringLiteral("Not able to change to the specified directory!\r\nPlease try again later");
    case 2108:
        return QStringLiteral("Not able to connect to the specified server!\r\nPlease check the entries and try again");
    case 2113: return QStringLiteral("Unable to retrieve file!\r\nPlease check the entries and try again");
    case 2117:
        return QStringLiteral(
            "Unable to list content, server might be busy!\r\nPlease check the entries and try again");
    case 2120: return QStringLiteral("Unable to store file on server!\r\nAsk your server if they support the filetype");
    case 2127:
        return QStringLiteral(
                   "Unable to set the type of transfer!\r\nPlease try again. If the error keeps occuring, contact ")
               + QLatin1String(kSupportAddress);
    default: return {};
    }
}
