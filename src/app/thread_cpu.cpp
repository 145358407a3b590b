#include "app/thread_cpu.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace sorvane {

double threadCpuSeconds(std::initializer_list<std::string_view> prefixes) {
  const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  double seconds = 0;
  std::error_code ec;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
    std::string name;
    std::getline(std::ifstream(task.path() / "comm"), name);
    bool wanted = false;
    for (std::string_view prefix : prefixes) wanted = wanted || name.starts_with(prefix);
    if (!wanted) continue;
    std::string stat;
    std::getline(std::ifstream(task.path() / "stat"), stat);
    // The name in parentheses may hold spaces; the fields after it are fixed:
    // utime and stime are the 12th and 13th after the closing parenthesis.
    const auto close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i) {
      if (i == 12) utime = std::stoll(field);
      if (i == 13) stime = std::stoll(field);
    }
    seconds += (utime + stime) / ticksPerSecond;
  }
  return seconds;
}

}  // namespace sorvane
