#include "platform/scheduling.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/time.h>

#include <chrono>

namespace zaveredo::platform {
namespace {

TEST(SchedulingTest, SettingWhatWasReadChangesNothing) {
  std::uint32_t priorityClass = GetPriorityClass();
  std::int32_t threadPriority = GetThreadPriority();
  EXPECT_TRUE(SetThreadPriority(threadPriority));
  EXPECT_TRUE(SetPriorityClass(priorityClass));
  EXPECT_EQ(GetPriorityClass(), priorityClass);
  EXPECT_EQ(GetThreadPriority(), threadPriority);
}

TEST(SchedulingTest, UnknownClassIsRefusedAndLeavesTheClass) {
  std::uint32_t priorityClass = GetPriorityClass();
  EXPECT_FALSE(SetPriorityClass(0x12345));
  EXPECT_EQ(GetPriorityClass(), priorityClass);
}

TEST(SchedulingTest, RealTimeWithTimeCriticalThreadAndBackAgain) {
  std::uint32_t priorityClass = GetPriorityClass();
  std::int32_t threadPriority = GetThreadPriority();
  if (!SetPriorityClass(kRealtimePriorityClass))
    GTEST_SKIP() << "this process may not run in real time";
  EXPECT_EQ(GetPriorityClass(), kRealtimePriorityClass);
  EXPECT_TRUE(SetThreadPriority(kThreadPriorityTimeCritical));
  EXPECT_EQ(GetThreadPriority(), kThreadPriorityTimeCritical);
  EXPECT_TRUE(SetThreadPriority(threadPriority));
  EXPECT_TRUE(SetPriorityClass(priorityClass));
  EXPECT_EQ(GetPriorityClass(), priorityClass);
  EXPECT_EQ(GetThreadPriority(), threadPriority);
}

struct Policy {
  int policy;
  int staticPriority;
  bool operator==(const Policy&) const = default;
};

Policy CurrentPolicy() {
  sched_param param{};
  sched_getparam(0, &param);
  return {sched_getscheduler(0), param.sched_priority};
}

// The clock-rate measurement's order: read both, raise both, read the raised ones (as a test
// hook may), give back thread priority and class.
TEST(SchedulingTest, AUsersOwnPolicyComesBackExactlyAfterTheRealTimeSpell) {
  const Policy outside = CurrentPolicy();
  const Policy own[] = {{SCHED_FIFO, 10}, {SCHED_RR, 20}, {SCHED_BATCH, 0}, {SCHED_IDLE, 0}};
  for (const Policy& policy : own) {
    sched_param param{};
    param.sched_priority = policy.staticPriority;
    if (sched_setscheduler(0, policy.policy, &param) != 0)
      GTEST_SKIP() << "this process may not choose its scheduling policy";
    std::uint32_t priorityClass = GetPriorityClass();
    std::int32_t threadPriority = GetThreadPriority();
    SetPriorityClass(kRealtimePriorityClass);
    SetThreadPriority(kThreadPriorityTimeCritical);
    EXPECT_EQ(GetPriorityClass(), kRealtimePriorityClass);
    EXPECT_EQ(GetThreadPriority(), kThreadPriorityTimeCritical);
    EXPECT_TRUE(SetThreadPriority(threadPriority));
    EXPECT_TRUE(SetPriorityClass(priorityClass));
    EXPECT_EQ(CurrentPolicy(), policy) << "policy " << policy.policy;
  }
  sched_param param{};
  param.sched_priority = outside.staticPriority;
  sched_setscheduler(0, outside.policy, &param);
}

using Clock = std::chrono::steady_clock;

long ElapsedMs(Clock::time_point since) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

void IgnoreAlarm(int) {}

TEST(SchedulingTest, SleepLastsAtLeastItsTimeEvenWhenASignalInterruptsIt) {
  struct sigaction action {};
  action.sa_handler = IgnoreAlarm;  // no SA_RESTART: the signal cuts nanosleep short
  struct sigaction previous {};
  ASSERT_EQ(sigaction(SIGALRM, &action, &previous), 0);
  itimerval timer{};
  timer.it_value.tv_usec = 20000;
  ASSERT_EQ(setitimer(ITIMER_REAL, &timer, nullptr), 0);
  Clock::time_point start = Clock::now();
  Sleep(120);
  long elapsed = ElapsedMs(start);
  sigaction(SIGALRM, &previous, nullptr);
  EXPECT_GE(elapsed, 120);
}

}  // namespace
}  // namespace zaveredo::platform
