#pragma once

#include <memory>

class Tmainform;

// What the program does before its event loop: names itself, takes its
// icon, makes the main window, shows it maximised and runs its first show
// with the command line's arguments, taken from argv's own bytes.
std::unique_ptr<Tmainform> startProgram(int argc, char *argv[]);

// Reads every setting, the tag table and the accounts from the store.
// Stops with an AppError at a value of the wrong type or a damaged store;
// what was read before it stays, and the store is not written in this run.
void loadAllSettings();

// The start-up repair: every empty slot gets its default, and slot 39 is
// reset at every start.
void repairTagTable();
