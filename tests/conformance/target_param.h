// What a shared suite is instantiated with: the name and the maker of a target. Each test
// program provides its target and instantiates the suite, as in
//
//   INSTANTIATE_TEST_SUITE_P(Memory, StoreConformance,
//                            testing::Values(ConformanceParam{"MemoryStore", &MakeTarget}),
//                            ConformanceParamName);
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace tarnix {

template <class Target>
struct TargetParam {
  const char* name;
  std::unique_ptr<Target> (*make)();
};

template <class Target>
void PrintTo(const TargetParam<Target>& param, std::ostream* out) {
  *out << param.name;
}

// Names the tests of an instantiation after its target.
struct TargetParamName {
  template <class Target>
  std::string operator()(const testing::TestParamInfo<TargetParam<Target>>& info) const {
    return info.param.name;
  }
};

}  // namespace tarnix
