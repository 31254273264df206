// What a shared suite is instantiated with: a target's name and maker.
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

  // The param of a target that its default constructor makes.
  template <class Made>
  static TargetParam Of(const char* name) {
    return {name, []() -> std::unique_ptr<Target> { return std::make_unique<Made>(); }};
  }
};

template <class Target>
void PrintTo(const TargetParam<Target>& param, std::ostream* out) {
  *out << param.name;
}

// Names the tests of an instantiation after its target.
struct TargetParamName {
  template <class Target>
  std::string operator()(const ::testing::TestParamInfo<TargetParam<Target>>& info) const {
    return info.param.name;
  }
};

// A suite's fixture: a target made afresh for each test and destroyed after it.
template <class Target>
class TargetSuite : public ::testing::TestWithParam<TargetParam<Target>> {
 protected:
  void SetUp() override {
    target_ = this->GetParam().make();
    ASSERT_NE(target_, nullptr);
  }
  void TearDown() override { target_.reset(); }

  std::unique_ptr<Target> target_;
};

}  // namespace tarnix
