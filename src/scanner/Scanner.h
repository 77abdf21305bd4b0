#pragma once
#include <cstdio>
#include <string>

#include "tree/Location.h"

namespace php {

// Returns the next token number (0 at end of input), a newly allocated copy
// of its text (freed by the consumer with delete[]) and its location.
// `fileName` is the path reported by the bracket and string diagnostics.
int nextToken(char** value, Location* location, const std::string& fileName);

// Releases a token text returned by nextToken (null does nothing).
void freeTokenText(char* text);

// Line counter back to 1 and a fresh state: text outside PHP tags, no open
// strings, here-documents or brackets.
void resetScanner();
// Attach a new input stream; scanning resumes from its start.
void restartScanner(FILE* stream);
// Empty the buffer and seek the stream to its end: the next token is 0.
void haltScanner();
// The current line counter.
int scannerLine();

}  // namespace php
