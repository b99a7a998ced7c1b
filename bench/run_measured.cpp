// orvane-bench-run COMMAND [ARGUMENT ...]
//
// Runs a command with its output discarded, waits for it, and prints "WALL_MS KILOBYTES CPU_MS":
// the wall time from just before it starts to its end, its peak resident set as the kernel
// counted it (the figure GNU time shows as %M), and the processor time it used, user and system. Exits 1, printing nothing on standard
// output, when the command cannot start or does not end with status 0.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvane-bench-run COMMAND [ARGUMENT ...]\n");
        return 2;
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("orvane-bench-run: fork");
        return 1;
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            close(null);
        }
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("orvane-bench-run: wait4");
        return 1;
    }
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "orvane-bench-run: %s did not end with status 0\n", argv[1]);
        return 1;
    }
    const double ms = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                      static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    const double cpu =
        static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("%.3f %ld %.3f\n", ms, usage.ru_maxrss, cpu);
    return 0;
}
