#pragma once

#include "support/TestSupport.h"

// Replaces the cargo table of the folder's databases with `count` generated cargoes, "CARGO " and their
// number in `digits` digits, whose codes run through the vocabulary.
void generateCargoes(const TestDataFolder& folder, int count, int digits);

// The sample databases with the cargo table replaced by 20,000 generated cargoes ("CARGO 00001" to
// "CARGO 20000") whose codes run through the vocabulary; made once a run.
const TestDataFolder& largeCargoFolder();

// The sample databases with one cargo's remarks 100 MB long; made once a run.
const TestDataFolder& hugeMemoFolder();
