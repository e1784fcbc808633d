// Runs the real quorvil-sim executable on a script: the script goes to its
// standard input, and its output, its messages and how it ended come back.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <string_view>

namespace quorvil::sim::testing {

struct SimProcess {
  bool exited = false;    // ended by exit(), not by a signal or the time limit
  int status = -1;        // the exit status when exited
  bool timedOut = false;  // killed after the time limit
  std::string out;
  std::string err;
};

inline SimProcess RunSimProcess(std::string_view script,
                                std::chrono::milliseconds limit = std::chrono::seconds(60)) {
  // A program that stops reading early must not kill the test with SIGPIPE.
  signal(SIGPIPE, SIG_IGN);
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    execl(QUORVIL_SIM_PATH, "quorvil-sim", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  fcntl(in[1], F_SETFL, O_NONBLOCK);

  SimProcess result;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int writeFd = in[1];
  size_t written = 0;
  if (script.empty()) {
    close(writeFd);
    writeFd = -1;
  }
  bool outOpen = true, errOpen = true;
  char buffer[1 << 16];
  while (outOpen || errOpen) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      kill(pid, SIGKILL);
      result.timedOut = true;
      break;
    }
    pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {writeFd, POLLOUT, 0}};
    if (!outOpen) fds[0].fd = -1;
    if (!errOpen) fds[1].fd = -1;
    if (poll(fds, 3, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    if (fds[2].revents != 0) {
      const ssize_t n = write(writeFd, script.data() + written, script.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if ((n < 0 && errno != EAGAIN) || written == script.size()) {
        close(writeFd);
        writeFd = -1;
      }
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) continue;
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        (i == 0 ? outOpen : errOpen) = false;
      }
    }
  }
  if (writeFd >= 0) close(writeFd);
  close(out[0]);
  close(err[0]);
  int wait = 0;
  waitpid(pid, &wait, 0);
  result.exited = !result.timedOut && WIFEXITED(wait);
  if (result.exited) result.status = WEXITSTATUS(wait);
  return result;
}

}  // namespace quorvil::sim::testing
