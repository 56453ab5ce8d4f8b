// Add, Edit, Remove and Done of reminders, and Edit of an instructor.
#include "commands/editing.h"

Editor::Target Editor::EditTarget() const { return Target::None; }
void Editor::Edit() {}
void Editor::Add() {}
void Editor::Remove() {}
void Editor::AddReminderFromMenu() {}
void Editor::AddReminder() {}
void Editor::EditReminder() {}
void Editor::RemoveReminder() {}
void Editor::ToggleDoneShown() {}
void Editor::ToggleDoneInList(int) {}
void Editor::EditInstructor() {}
