// plcsim as a child process of a test or a benchmark: started with its
// arguments, its output to /dev/null and its errors to a file, killed and
// reaped when the object goes.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#ifndef ZORN_PLCSIM_PATH
#error "the build passes the path of the plcsim program as ZORN_PLCSIM_PATH"
#endif

extern char** environ;

namespace plcsim_test {

class PlcsimProcess {
 public:
  PlcsimProcess(const std::vector<std::string>& args, const std::string& stderr_file) {
    std::vector<std::string> all{ZORN_PLCSIM_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~PlcsimProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  PlcsimProcess(const PlcsimProcess&) = delete;
  PlcsimProcess& operator=(const PlcsimProcess&) = delete;

  bool started() const { return pid_ > 0; }

 protected:
  pid_t pid_ = -1;
};

}  // namespace plcsim_test
