#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quellor {

// Names each case of a table-driven test after the case's `name` field.
struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& tested) const {
    return tested.param.name;
  }
};

}  // namespace quellor
