#pragma once

// The help context numbers: each addresses a topic of the help file, and
// each window, dialog and question with a Help button carries one.
namespace HelpContext {

inline constexpr int kOpenDialog = 3;
inline constexpr int kSaveDialog = 6;
inline constexpr int kInsertTextFile = 7;
inline constexpr int kTextFileLoad = 8;
inline constexpr int kPrinterSetup = 9;
inline constexpr int kPrint = 10;
inline constexpr int kSearch = 1021;
inline constexpr int kReplaceQuestion = 1022;
inline constexpr int kConfiguration = 1028;
inline constexpr int kFontAndImage = 1032; // the font window and the image chooser
inline constexpr int kFtp = 1035;
inline constexpr int kColour = 1074;
inline constexpr int kReplace = 1082;
inline constexpr int kTagSettings = 3002;
inline constexpr int kInstallTags = 3003;
inline constexpr int kCreateStartingDirectory = 3004;
inline constexpr int kFrameLayouts = 4002;
inline constexpr int kFrameSizes = 4003;
inline constexpr int kFrameNames = 4004;
inline constexpr int kFrameOptions = 4005;
inline constexpr int kFrameDirectory = 4006; // and the wizard's questions
inline constexpr int kMissingFolder = 20001;
inline constexpr int kAutosaveUnsaved = 20002;

// Every one of them.
inline constexpr int kAll[] = {
    kOpenDialog,
    kSaveDialog,
    kInsertTextFile,
    kTextFileLoad,
    kPrinterSetup,
    kPrint,
    kSearch,
    kReplaceQuestion,
    kConfiguration,
    kFontAndImage,
    kFtp,
    kColour,
    kReplace,
    kTagSettings,
    kInstallTags,
    kCreateStartingDirectory,
    kFrameLayouts,
    kFrameSizes,
    kFrameNames,
    kFrameOptions,
    kFrameDirectory,
    kMissingFolder,
    kAutosaveUnsaved,
};

} // namespace HelpContext
