// Priorities by their closest Linux equivalents. The real-time class is the FIFO policy, in
// which the thread priority picks the static priority; the other classes are nice values of
// the normal policy, under which a thread has no priority of its own. Setting what is already
// in force changes nothing, so restoring a priority that was read gives back the same state.
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

bool RunsRealTime() {
  int policy = sched_getscheduler(0);
  return policy == SCHED_FIFO || policy == SCHED_RR;
}

int CurrentNice() {
  errno = 0;
  int nice = getpriority(PRIO_PROCESS, 0);
  return errno == 0 ? nice : 0;
}

// The nice value that stands for each normal-policy class; false for other values.
bool NiceOfClass(std::uint32_t priorityClass, int* nice) {
  switch (priorityClass) {
    case kIdlePriorityClass:
      *nice = 19;
      return true;
    case kBelowNormalPriorityClass:
      *nice = 10;
      return true;
    case kNormalPriorityClass:
      *nice = 0;
      return true;
    case kAboveNormalPriorityClass:
      *nice = -5;
      return true;
    case kHighPriorityClass:
      *nice = -10;
      return true;
    default:
      return false;
  }
}

// Static FIFO priorities: idle and time-critical at the ends, the small steps around the
// middle.
int MiddleStaticPriority() {
  return (sched_get_priority_min(SCHED_FIFO) + sched_get_priority_max(SCHED_FIFO)) / 2;
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

bool SetFifo(int staticPriority) {
  sched_param param{};
  param.sched_priority = staticPriority;
  return sched_setscheduler(0, SCHED_FIFO, &param) == 0;
}

}  // namespace

std::uint32_t GetPriorityClass() {
  if (RunsRealTime()) return kRealtimePriorityClass;
  int nice = CurrentNice();
  if (nice >= 15) return kIdlePriorityClass;
  if (nice >= 5) return kBelowNormalPriorityClass;
  if (nice >= -2) return kNormalPriorityClass;
  if (nice >= -7) return kAboveNormalPriorityClass;
  return kHighPriorityClass;
}

bool SetPriorityClass(std::uint32_t priorityClass) {
  if (priorityClass == GetPriorityClass()) return true;
  if (priorityClass == kRealtimePriorityClass) return SetFifo(MiddleStaticPriority());
  int nice = 0;
  if (!NiceOfClass(priorityClass, &nice)) return false;
  if (RunsRealTime()) {
    sched_param param{};
    if (sched_setscheduler(0, SCHED_OTHER, &param) != 0) return false;
    // The nice value outlives the real-time spell: keep it when it still means this class.
    if (priorityClass == GetPriorityClass()) return true;
  }
  return setpriority(PRIO_PROCESS, 0, nice) == 0;
}

std::int32_t GetThreadPriority() {
  if (!RunsRealTime()) return kThreadPriorityNormal;
  sched_param param{};
  if (sched_getparam(0, &param) != 0) return kThreadPriorityNormal;
  int offset = param.sched_priority - MiddleStaticPriority();
  if (param.sched_priority >= sched_get_priority_max(SCHED_FIFO))
    return kThreadPriorityTimeCritical;
  if (param.sched_priority <= sched_get_priority_min(SCHED_FIFO)) return kThreadPriorityIdle;
  return offset < -2 ? -2 : offset > 2 ? 2 : offset;
}

bool SetThreadPriority(std::int32_t priority) {
  if (priority == GetThreadPriority()) return true;
  int staticPriority = 0;
  if (!RunsRealTime() || !StaticPriorityOf(priority, &staticPriority)) return false;
  int policy = sched_getscheduler(0);
  sched_param param{};
  param.sched_priority = staticPriority;
  return sched_setscheduler(0, policy, &param) == 0;
}

void Sleep(std::uint32_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1000000L};
  // A signal cuts the sleep short; the rest is slept after it.
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

}  // namespace zaveredo::platform
