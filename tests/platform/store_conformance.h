#pragma once
// The settings store's rules, checked against any registry backend: natively against the
// in-memory one, under Wine against it and the real registry, so the double cannot drift.
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/registry.h"

struct StoreBackendMaker {
  std::string name;
  // A fresh backend; every key the test uses lies below "\Software\CorvaneConformance" of
  // HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, which the maker empties first.
  std::function<std::shared_ptr<platform::RegistryBackend>()> make;
};

class StoreConformance : public ::testing::TestWithParam<StoreBackendMaker> {
 protected:
  void SetUp() override { backend = GetParam().make(); }
  std::shared_ptr<platform::RegistryBackend> backend;
};

inline std::string makerName(const ::testing::TestParamInfo<StoreBackendMaker>& info) {
  return info.param.name;
}
