// Add, Edit and Remove of a class.
#include "commands/editing.h"

void Editor::AddClass() {}
void Editor::EditClass() {}
void Editor::RemoveClass() {}
