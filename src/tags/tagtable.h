#pragma once

#include "settingsschema.h"

#include <QString>
#include <array>
#include <vector>

class RegKey;

// The 69 tag slots the insertion commands read their templates from.
struct TagSlot {
    QString opening;
    QString closing;
    qint32 back = 0;  // caret distance back from the end of the insertion
    qint32 extra = 0; // characters the command adds besides the texts
};

struct TagTable {
    static constexpr int kSlots = Stored::tagOpening.last();
    static constexpr int kFirstDefined = 56; // slots 56..65 are the user's own
    static constexpr int kDefinedCount = Stored::definedCaption.last() + 1;

    static constexpr bool isDefined(int n) { return n >= kFirstDefined && n < kFirstDefined + kDefinedCount; }

    std::array<TagSlot, kSlots + 1> entries; // index 0 unused
    std::array<QString, kDefinedCount> captions;

    TagSlot &slot(int n) { return entries.at(n); }
    const TagSlot &slot(int n) const { return entries.at(n); }
};

extern TagTable g_tags;

// The factory contents of one slot.
struct TagDefault {
    const char *listName; // entry in the tag settings list ("" for 66..69)
    const char *opening;
    const char *closing;
    qint32 back;
    qint32 extra;
    int caretOffset;     // where the caret lands, from the start of the insertion
    const char *handler; // the command that uses the slot
    bool keepsExtra;     // install-all and reset-one leave its extra count alone
};

const TagDefault &tagDefault(int n); // n = 1..69

// Sets every slot to its default (user slots empty) and stores the table
// with the installed marker. The captions are not touched.
void installAllTags();
// Sets slot n to its default and stores it; a user slot also resets its caption.
void resetTag(int n);
// The same for several slots in one access to the store, in the given order.
void resetTags(const std::vector<int> &numbers);
// Empties every slot's opening text, then reads the stored slots and captions.
void clearOpeningTexts();
void readTags(const RegKey &key);

// Write slot n's opening text, back offset and closing text, in that order,
// and the caption of user slot n, into a store opened for writing.
void writeTagTexts(RegKey &key, int n);
void writeCaption(RegKey &key, int n);
