// Files and console handles: the Win32 calls themselves.
#include "platform/files.h"

#include "platform/win32/windows_api.h"

namespace zaveredo::platform {

namespace {

// The platform layer's integer handles and Win32's HANDLE are the same bits.
HANDLE ToHandle(Handle handle) {
  return reinterpret_cast<HANDLE>(handle);
}
Handle FromHandle(HANDLE handle) {
  return reinterpret_cast<Handle>(handle);
}

constexpr char kCtrlZ = 0x1A;
// Far longer than the system takes to start the handler's thread, even on a busy machine.
constexpr DWORD kHandlerWaitMs = 5000;

// ReadFile on a console handle whose mode is given: a line read through ReadConsoleA, where a
// line that begins with Ctrl-Z is the end of the input (0 bytes, success). A failed read leaves
// *read as it was.
// Ctrl-C or Ctrl-Break ends the read with no characters while the system's default handler,
// on a thread of its own, ends the process. The read may return first; it then waits for that
// handler rather than let the program take the empty read for the end of its input and go on.
// Only if the process outlives the wait (Ctrl-C is ignored in it) does the read return so.
BOOL ReadConsoleLine(HANDLE console, DWORD mode, void* buffer, DWORD count, DWORD* read) {
  DWORD chars = 0;
  BOOL ok = ::ReadConsoleA(console, buffer, count, &chars, nullptr);
  DWORD error = ok ? ERROR_SUCCESS : ::GetLastError();
  // Without processed input Ctrl-C is an ordinary character and no read comes back empty.
  bool processed = (mode & ENABLE_PROCESSED_INPUT) != 0;
  bool interrupted = ok ? chars == 0 : error == ERROR_OPERATION_ABORTED;
  if (processed && count != 0 && interrupted) {
    ::Sleep(kHandlerWaitMs);
    ::SetLastError(error);
  }
  if (!ok) return FALSE;
  if (processed && chars > 0 && static_cast<const char*>(buffer)[0] == kCtrlZ) chars = 0;
  *read = chars;
  return TRUE;
}

}  // namespace

std::uint32_t GetLastError() {
  return ::GetLastError();
}

Handle GetStdHandle(int which) {
  return FromHandle(::GetStdHandle(static_cast<DWORD>(which)));
}

std::uint32_t GetFileType(Handle handle) {
  return ::GetFileType(ToHandle(handle));
}

Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t disposition) {
  return FromHandle(::CreateFileA(path, access, FILE_SHARE_READ, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ReadFile(Handle handle, void* buffer, std::uint32_t count, std::uint32_t* read) {
  DWORD done = 0;
  DWORD mode = 0;
  BOOL ok = ::GetConsoleMode(ToHandle(handle), &mode)
                ? ReadConsoleLine(ToHandle(handle), mode, buffer, count, &done)
                : ::ReadFile(ToHandle(handle), buffer, count, &done, nullptr);
  *read = done;
  return ok != FALSE;
}

bool WriteFile(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t* written) {
  DWORD done = 0;
  BOOL ok = ::WriteFile(ToHandle(handle), buffer, count, &done, nullptr);
  *written = done;
  return ok != FALSE;
}

bool GetFileSizeEx(Handle handle, std::int64_t* size) {
  LARGE_INTEGER whole;
  if (!::GetFileSizeEx(ToHandle(handle), &whole)) return false;
  *size = whole.QuadPart;
  return true;
}

bool SetFilePointerEx(Handle handle, std::int64_t distance, std::uint32_t method,
                      std::int64_t* position) {
  LARGE_INTEGER move;
  move.QuadPart = distance;
  LARGE_INTEGER reached;
  if (!::SetFilePointerEx(ToHandle(handle), move, &reached, method)) return false;
  if (position != nullptr) *position = reached.QuadPart;
  return true;
}

bool SetEndOfFile(Handle handle) {
  return ::SetEndOfFile(ToHandle(handle)) != FALSE;
}

bool CloseHandle(Handle handle) {
  return ::CloseHandle(ToHandle(handle)) != FALSE;
}

// A first call asks for the size; the directory may change between the calls, so the size is
// asked again until the path fits.
std::string GetCurrentDirectory(bool* removed) {
  *removed = false;
  std::string path;
  DWORD size = ::GetCurrentDirectoryA(0, nullptr);
  while (size != 0) {
    path.assign(size, '\0');
    DWORD length = ::GetCurrentDirectoryA(size, path.data());
    if (length < size) {
      path.resize(length);
      break;
    }
    size = length;
  }
  if (size == 0 || path.empty()) return std::string();
  // Windows keeps a process's directory from being removed, but another system's files seen
  // through it may go: then the path leads nowhere.
  if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    DWORD code = ::GetLastError();
    *removed = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
  }
  return path;
}

bool GetFileId(Handle handle, FileId* id) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(ToHandle(handle), &info)) return false;
  *id = FileId{info.dwVolumeSerialNumber,
               (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  return true;
}

// No access asked for: no sharing rule applies, and a writer that holds the file does not keep
// this query out. Backup semantics let a directory be opened too.
bool GetFileIdOfName(const char* path, FileId* id) {
  HANDLE entry = ::CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (entry == INVALID_HANDLE_VALUE) return false;
  bool known = GetFileId(FromHandle(entry), id);
  DWORD code = ::GetLastError();
  ::CloseHandle(entry);
  ::SetLastError(code);
  return known;
}

bool FindFirstFile(const char* path, bool* isDirectory) {
  WIN32_FIND_DATAA entry;
  // A failed search leaves its code: only ERROR_FILE_NOT_FOUND and ERROR_PATH_NOT_FOUND say
  // that there is no such entry.
  HANDLE search = ::FindFirstFileA(path, &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  ::FindClose(search);
  // The entry's time stamp is deliberately not converted: a file dated outside the DOS range
  // still exists, and calling it absent would make the results file be created anew, empty.
  *isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return true;
}

}  // namespace zaveredo::platform
