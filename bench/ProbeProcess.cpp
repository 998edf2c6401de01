#include "ProbeProcess.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

long readReport(std::FILE* output, const char* stage) {
    char name[16] = {};
    long kib = 0;
    if (std::fscanf(output, "%15s %ld", name, &kib) != 2 || std::string(name) != stage) {
        throw std::runtime_error(std::string("the probe did not report '") + stage + "'");
    }
    return kib;
}

} // namespace

ProbeRun runProbe(const std::string& program) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create a pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    std::string path = program;
    char* arguments[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + program);
    }

    ProbeRun run;
    std::FILE* output = fdopen(pipeEnds[0], "r");
    try {
        run.createdKiB = readReport(output, "created");
        run.secondsToCreated =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.shownKiB = readReport(output, "shown");
        run.secondsToShown =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    } catch (...) {
        std::fclose(output);
        waitpid(child, nullptr, 0);
        throw;
    }
    std::fclose(output);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
    return run;
}

} // namespace bench
