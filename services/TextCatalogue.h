// Every text shown to the user, and the two separators of stored strings,
// come from this catalogue: by index, translated by the text library.
#pragma once

#include "services/TextIds.h"

#include <string>

// The text of an index, or null for an index outside the catalogue. The text
// belongs to the text library: copy it at once.
const char* GetText(unsigned index);
// The first character of the text, or 0.
char GetTextChar(unsigned index);
// The text as a string; empty outside the catalogue.
std::string GetTextString(unsigned index);
