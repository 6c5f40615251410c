#pragma once

#include "support/TestSupport.h"

// The sample databases with the cargo table replaced by 20,000 generated cargoes ("CARGO 00001" to
// "CARGO 20000") whose codes run through the vocabulary; made once a run.
const TestDataFolder& largeCargoFolder();

// The sample databases with one cargo's remarks 100 MB long; made once a run.
const TestDataFolder& hugeMemoFolder();
