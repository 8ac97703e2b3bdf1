// The engine's reading of the files the desktop core writes, kept apart from the core's headers.
#pragma once

#include <cstddef>
#include <string>

// Expects the engine to read the same input from both input data files, but for the offshore-data
// flag, which the core writes as its own edition (1), and what the core writes by its own rules
// (savedAlike).
void expectSameEngineInput(const std::string& exampleText, const std::string& savedText);

// The number of points the engine reads from a CPT data file.
std::size_t engineCptPointCount(const std::string& cptText);
