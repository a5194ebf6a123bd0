// Priorities by their closest Linux equivalents. The real-time class is the FIFO policy, in
// which the thread priority picks the static priority; the other classes are nice values of
// the normal policy, under which a thread has no priority of its own. Setting what is already
// in force changes nothing. Setting a value that a reading reported gives back the exact state
// that reading saw, not only its nearest equivalent: a user's SCHED_FIFO at static priority 10,
// SCHED_RR, SCHED_BATCH or SCHED_IDLE comes back as it was after the clock-rate measurement.
#include "platform/scheduling.h"

#include <errno.h>
#include <sched.h>
#include <sys/resource.h>
#include <time.h>

namespace zaveredo::platform {

namespace {

constexpr std::uint32_t kIdlePriorityClass = 0x40;
constexpr std::uint32_t kBelowNormalPriorityClass = 0x4000;
constexpr std::uint32_t kAboveNormalPriorityClass = 0x8000;
constexpr std::uint32_t kHighPriorityClass = 0x80;
constexpr std::int32_t kThreadPriorityIdle = -15;

// The classes of the normal policies and the nice value that stands for each.
struct NormalClass {
  std::uint32_t priorityClass;
  int nice;
};
constexpr NormalClass kNormalClasses[] = {{kIdlePriorityClass, 19},
                                          {kBelowNormalPriorityClass, 10},
                                          {kNormalPriorityClass, 0},
                                          {kAboveNormalPriorityClass, -5},
                                          {kHighPriorityClass, -10}};
constexpr int kNormalClassCount = sizeof kNormalClasses / sizeof kNormalClasses[0];

// The scheduling in force, exactly: the policy (with its reset-on-fork flag), the static
// priority and the nice value.
struct Scheduling {
  int policy = SCHED_OTHER;
  int staticPriority = 0;
  int nice = 0;
};

// The state last read behind each value reported: per normal class, and per thread priority
// (-15 to 15) under a real-time policy. Keyed by value, so a reading taken while the values are
// raised does not disturb what a restore of the earlier values needs.
struct Remembered {
  bool known = false;
  Scheduling scheduling;
};
Remembered classRead[kNormalClassCount];
Remembered threadPriorityRead[31];

int CurrentNice() {
  errno = 0;
  int nice = getpriority(PRIO_PROCESS, 0);
  return errno == 0 ? nice : 0;
}

Scheduling CurrentScheduling() {
  Scheduling now;
  int policy = sched_getscheduler(0);
  if (policy >= 0) now.policy = policy;
  sched_param param{};
  if (sched_getparam(0, &param) == 0) now.staticPriority = param.sched_priority;
  now.nice = CurrentNice();
  return now;
}

bool IsRealTime(const Scheduling& scheduling) {
  int policy = scheduling.policy & ~SCHED_RESET_ON_FORK;
  return policy == SCHED_FIFO || policy == SCHED_RR;
}

// -1 for the real-time class and for values that are no class.
int NormalClassIndex(std::uint32_t priorityClass) {
  for (int i = 0; i < kNormalClassCount; ++i)
    if (kNormalClasses[i].priorityClass == priorityClass) return i;
  return -1;
}

std::uint32_t ClassOf(const Scheduling& scheduling) {
  if (IsRealTime(scheduling)) return kRealtimePriorityClass;
  if (scheduling.nice >= 15) return kIdlePriorityClass;
  if (scheduling.nice >= 5) return kBelowNormalPriorityClass;
  if (scheduling.nice >= -2) return kNormalPriorityClass;
  if (scheduling.nice >= -7) return kAboveNormalPriorityClass;
  return kHighPriorityClass;
}

// Static FIFO priorities: idle and time-critical at the ends, the small steps around the
// middle.
int MiddleStaticPriority() {
  return (sched_get_priority_min(SCHED_FIFO) + sched_get_priority_max(SCHED_FIFO)) / 2;
}

std::int32_t ThreadPriorityOf(const Scheduling& scheduling) {
  if (!IsRealTime(scheduling)) return kThreadPriorityNormal;
  if (scheduling.staticPriority >= sched_get_priority_max(SCHED_FIFO))
    return kThreadPriorityTimeCritical;
  if (scheduling.staticPriority <= sched_get_priority_min(SCHED_FIFO)) return kThreadPriorityIdle;
  int offset = scheduling.staticPriority - MiddleStaticPriority();
  return offset < -2 ? -2 : offset > 2 ? 2 : offset;
}

bool StaticPriorityOf(std::int32_t priority, int* result) {
  if (priority == kThreadPriorityTimeCritical) {
    *result = sched_get_priority_max(SCHED_FIFO);
  } else if (priority == kThreadPriorityIdle) {
    *result = sched_get_priority_min(SCHED_FIFO);
  } else if (priority >= -2 && priority <= 2) {
    *result = MiddleStaticPriority() + priority;
  } else {
    return false;
  }
  return true;
}

// Only when it differs from what is in force, so that setting that needs no privilege.
bool SetPolicy(int policy, int staticPriority) {
  Scheduling now = CurrentScheduling();
  if (now.policy == policy && now.staticPriority == staticPriority) return true;
  sched_param param{};
  param.sched_priority = staticPriority;
  return sched_setscheduler(0, policy, &param) == 0;
}

bool SetNice(int nice) {
  return CurrentNice() == nice || setpriority(PRIO_PROCESS, 0, nice) == 0;
}

bool SetNormalClass(int index) {
  const Remembered& read = classRead[index];
  if (read.known) return SetPolicy(read.scheduling.policy, 0) && SetNice(read.scheduling.nice);
  if (IsRealTime(CurrentScheduling())) {
    if (!SetPolicy(SCHED_OTHER, 0)) return false;
    // The nice value outlives the real-time spell: keep it when it still means this class.
    if (ClassOf(CurrentScheduling()) == kNormalClasses[index].priorityClass) return true;
  }
  return SetNice(kNormalClasses[index].nice);
}

}  // namespace

std::uint32_t GetPriorityClass() {
  Scheduling now = CurrentScheduling();
  std::uint32_t priorityClass = ClassOf(now);
  int index = NormalClassIndex(priorityClass);
  if (index >= 0) classRead[index] = {true, now};
  return priorityClass;
}

bool SetPriorityClass(std::uint32_t priorityClass) {
  if (priorityClass == ClassOf(CurrentScheduling())) return true;
  if (priorityClass == kRealtimePriorityClass) return SetPolicy(SCHED_FIFO, MiddleStaticPriority());
  int index = NormalClassIndex(priorityClass);
  return index >= 0 && SetNormalClass(index);
}

std::int32_t GetThreadPriority() {
  Scheduling now = CurrentScheduling();
  std::int32_t priority = ThreadPriorityOf(now);
  if (IsRealTime(now)) threadPriorityRead[priority - kThreadPriorityIdle] = {true, now};
  return priority;
}

bool SetThreadPriority(std::int32_t priority) {
  Scheduling now = CurrentScheduling();
  if (!IsRealTime(now)) return priority == kThreadPriorityNormal;
  if (priority >= kThreadPriorityIdle && priority <= kThreadPriorityTimeCritical) {
    const Remembered& read = threadPriorityRead[priority - kThreadPriorityIdle];
    if (read.known) return SetPolicy(read.scheduling.policy, read.scheduling.staticPriority);
  }
  if (priority == ThreadPriorityOf(now)) return true;
  int staticPriority = 0;
  return StaticPriorityOf(priority, &staticPriority) && SetPolicy(now.policy, staticPriority);
}

void Sleep(std::uint32_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1000000L};
  // A signal cuts the sleep short; the rest is slept after it.
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

}  // namespace zaveredo::platform
