#pragma once

// The program's entry among what the system starts when the user logs on. Each system keeps it
// its own way; the program asks only these questions of it.
class AutostartEntry {
  public:
    virtual ~AutostartEntry() = default;
    // Makes the entry start this program (unless it already does), or removes it; only the
    // program's own entry is ever touched. Failures show in the questions below.
    virtual void Register() = 0;
    virtual void Unregister() = 0;
    // At start-up: whether the entry under this program's name names an existing, non-empty
    // file, which may be another copy of the program.
    virtual bool NamesAnExistingFile() = 0;
    // After a click: whether the entry now starts this very program.
    virtual bool NamesThisProgram() = 0;
};
