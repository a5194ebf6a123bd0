// Priorities as far as the clock-rate measurement uses them: it reads the class and the thread
// priority, raises them to the real-time class and the time-critical thread, and sets the values
// it read again. The real-time class is the FIFO policy at its middle static priority, and the
// time-critical thread its highest; a reading reports the real-time class for any real-time
// policy and the normal class for any other. Setting a value that a reading reported gives back
// the exact state that reading saw, not only its nearest equivalent: a user's SCHED_FIFO at
// static priority 10, SCHED_RR, SCHED_BATCH or SCHED_IDLE comes back as it was.
#include "platform/scheduling.h"

#include <errno.h>
#include <sched.h>
#include <time.h>

#include <optional>

namespace zaveredo::platform {

namespace {

// The policy in force (with its reset-on-fork flag) and the static priority.
struct Scheduling {
  int policy = SCHED_OTHER;
  int staticPriority = 0;
};

// The state behind the last reading of the normal class and of the normal thread priority.
// A reading of the raised values does not touch them, so the restore finds what it needs.
std::optional<Scheduling> normalClassRead;
std::optional<Scheduling> normalThreadRead;

Scheduling CurrentScheduling() {
  Scheduling now;
  int policy = sched_getscheduler(0);
  if (policy >= 0) now.policy = policy;
  sched_param param{};
  if (sched_getparam(0, &param) == 0) now.staticPriority = param.sched_priority;
  return now;
}

bool IsRealTime(const Scheduling& scheduling) {
  int policy = scheduling.policy & ~SCHED_RESET_ON_FORK;
  return policy == SCHED_FIFO || policy == SCHED_RR;
}

std::uint32_t ClassOf(const Scheduling& scheduling) {
  return IsRealTime(scheduling) ? kRealtimePriorityClass : kNormalPriorityClass;
}

std::int32_t ThreadPriorityOf(const Scheduling& scheduling) {
  return IsRealTime(scheduling) && scheduling.staticPriority >= sched_get_priority_max(SCHED_FIFO)
             ? kThreadPriorityTimeCritical
             : kThreadPriorityNormal;
}

int MiddleStaticPriority() {
  return (sched_get_priority_min(SCHED_FIFO) + sched_get_priority_max(SCHED_FIFO)) / 2;
}

// Only when it differs from what is in force, so that setting that needs no privilege.
bool SetScheduling(const Scheduling& wanted) {
  Scheduling now = CurrentScheduling();
  if (now.policy == wanted.policy && now.staticPriority == wanted.staticPriority) return true;
  sched_param param{};
  param.sched_priority = wanted.staticPriority;
  return sched_setscheduler(0, wanted.policy, &param) == 0;
}

}  // namespace

std::uint32_t GetPriorityClass() {
  Scheduling now = CurrentScheduling();
  if (!IsRealTime(now)) normalClassRead = now;
  return ClassOf(now);
}

bool SetPriorityClass(std::uint32_t priorityClass) {
  if (priorityClass == ClassOf(CurrentScheduling())) return true;
  if (priorityClass == kRealtimePriorityClass)
    return SetScheduling({SCHED_FIFO, MiddleStaticPriority()});
  if (priorityClass != kNormalPriorityClass) return false;
  return SetScheduling(normalClassRead.value_or(Scheduling{}));
}

std::int32_t GetThreadPriority() {
  Scheduling now = CurrentScheduling();
  std::int32_t priority = ThreadPriorityOf(now);
  if (priority == kThreadPriorityNormal) normalThreadRead = now;
  return priority;
}

// Outside the real-time policies a thread has no priority of its own: only normal stands.
bool SetThreadPriority(std::int32_t priority) {
  Scheduling now = CurrentScheduling();
  if (priority == ThreadPriorityOf(now)) return true;
  if (!IsRealTime(now)) return false;
  if (priority == kThreadPriorityTimeCritical)
    return SetScheduling({now.policy, sched_get_priority_max(SCHED_FIFO)});
  if (priority != kThreadPriorityNormal) return false;
  if (normalThreadRead && IsRealTime(*normalThreadRead)) return SetScheduling(*normalThreadRead);
  return SetScheduling({now.policy, MiddleStaticPriority()});
}

void Sleep(std::uint32_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1000000L};
  // A signal cuts the sleep short; the rest is slept after it.
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

}  // namespace zaveredo::platform
