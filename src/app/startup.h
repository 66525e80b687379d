#pragma once

// Reads every setting, the tag table and the accounts from the store.
// Stops with an AppError at a value of the wrong type or a damaged store;
// what was read before it stays, and the store is not written in this run.
void loadAllSettings();

// The start-up repair: every empty slot gets its default, and slot 39 is
// reset at every start.
void repairTagTable();
