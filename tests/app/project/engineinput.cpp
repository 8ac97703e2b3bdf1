// The engine's reading of the files the desktop core writes, kept apart from the core's headers.
#include "tests/app/project/engineinput.h"

#include <gtest/gtest.h>

#include "engine/driver/input_reader.h"
#include "tests/app/project/readersagree.h"

void expectSameEngineInput(const std::string& exampleText, const std::string& savedText) {
    EXPECT_EQ(torve::test::savedAlike(exampleText, savedText), "");
}

std::size_t engineCptPointCount(const std::string& cptText) {
    return torve::parse_cpt_data(cptText, "cpt").points.size();
}
