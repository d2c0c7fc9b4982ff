#pragma once

// Small choices the person made that are kept across starts: the
// eyedropper's sample and enlargement, and the like.
int keptChoice(const char* key, int fallback);
void keepChoice(const char* key, int value);
