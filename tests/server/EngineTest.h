#pragma once

#include "TestDatabase.h"

#include <gtest/gtest.h>
#include <memory>

// A test that runs once on each engine, with a fresh database.
class EngineTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { database = std::make_unique<TestDatabase>(GetParam()); }
    std::unique_ptr<TestDatabase> database;
};

#define QB_ON_BOTH_ENGINES(suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Engines, suite, ::testing::Values("sqlite", "postgresql"),            \
                             [](const auto& engine) { return engine.param; })
