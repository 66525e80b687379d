#pragma once

#include "framechoices.h"

#include <QStringList>
#include <QStringView>

// The pages of a frame site, as plain text with CR LF line breaks. A page
// is named by its code: "fr" the frameset page, "lf", "rf" and "3f" the
// pages of frames 1, 2 and 3.

// Where the caret goes in every page: between "<title>" and "</title>".
constexpr int kTitleCaret = 23;

// The text of a page; empty for a code that names no page of the layout.
// Sizes, names and files are written as they are, unescaped.
QString framePageText(const FrameWizardChoices &choices, QStringView code);
// The file a page is written to.
QString framePagePath(const FrameWizardChoices &choices, QStringView code);
// The pages a run writes, in order: the frameset page, then each frame's
// that is a new file.
QStringList pagesToWrite(const FrameWizardChoices &choices);

// The directory, "/" and the name; a directory that already ends in "/"
// does not get a second one.
QString joinPath(const QString &directory, const QString &name);
// framesetFile and the file of every frame of the layout, existing or new,
// made full paths in the directory.
FrameWizardChoices withFullPaths(FrameWizardChoices choices, const QString &directory);
