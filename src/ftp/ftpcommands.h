#pragma once

class DocumentHost;
class DocumentList;
class QAction;
class QWidget;

// Keeps "Upload file" available while the page in front has a name.
void keepUploadAvailable(QAction &upload, const DocumentList &documents);

// "Upload file": sends the active page's file, as it is on disk, into a
// folder the user picks on the server of a chosen account.
void FTP1Click(DocumentHost &host, QWidget *parent);

// "Download and open": fetches a page, style sheet or text file from the
// server of a chosen account to a place the user names, and opens it in a
// new document window.
void Downloadandopen1Click(DocumentHost &host, QWidget *parent);
