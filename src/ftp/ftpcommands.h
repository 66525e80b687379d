#pragma once

#include <functional>

class DocumentList;
class QAction;
class QString;
class QWidget;
class Teditform;

// Keeps "Upload file" available while the page in front has a name.
void keepUploadAvailable(QAction &upload, const DocumentList &documents);

// "Upload file": sends the page's file, as it is on disk, into a folder the
// user picks on the server of a chosen account. Without a page it does
// nothing.
void FTP1Click(const Teditform *page, QWidget *parent);

// "Download and open": fetches a page, style sheet or text file from the
// server of a chosen account to a place the user names, and opens it.
void Downloadandopen1Click(QWidget *parent, const std::function<void(const QString &)> &open);
