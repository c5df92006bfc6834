#pragma once
// The single-instance mutex's contract, typed over the process environment it runs against so
// that the same cases run on the simulated desktop and on Windows. An environment gives:
//   ProcessEnv& processEnv();
//   std::u16string UniqueName(const std::u16string& tag);  a mutex name no other test uses
//   void HoldInAnotherProcess(const std::u16string& name);  another process makes that mutex
// A test file includes this once and instantiates it inside namespace plv::contract:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, SingleInstanceContract, Env);

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace plv::contract {

template <typename Env>
class SingleInstanceContract : public ::testing::Test {
  protected:
    Env env;
};

TYPED_TEST_SUITE_P(SingleInstanceContract);

TYPED_TEST_P(SingleInstanceContract, OnlyTheFirstToAskRuns) {
    ProcessEnv& e = this->env.processEnv();
    const std::u16string name = this->env.UniqueName(u"first");
    EXPECT_TRUE(e.AcquireSingleInstance(name));
    // The mutex exists from now on; CreateMutexW says so also to the process that made it.
    EXPECT_FALSE(e.AcquireSingleInstance(name));
    EXPECT_TRUE(e.AcquireSingleInstance(this->env.UniqueName(u"second"))) << "another name is another mutex";
}

TYPED_TEST_P(SingleInstanceContract, AnotherCopyKeepsThisOneOut) {
    ProcessEnv& e = this->env.processEnv();
    const std::u16string name = this->env.UniqueName(u"held");
    this->env.HoldInAnotherProcess(name);
    EXPECT_FALSE(e.AcquireSingleInstance(name));
}

REGISTER_TYPED_TEST_SUITE_P(SingleInstanceContract, OnlyTheFirstToAskRuns, AnotherCopyKeepsThisOneOut);

}  // namespace plv::contract
