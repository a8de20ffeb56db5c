// Start-up benchmark driver: runs the program's start-up (tovrik_startup_app)
// and a bare window of the same client size (tovrik_startup_bare) in turn,
// each as a fresh process, and compares the time from process start to the
// first paint and the peak memory.
//
//   tovrik_startup_bench [--runs=N] [--platform=NAME]
//
// Process start is the time just before fork(); the child writes the time of
// its first paint (and of its first finished frame) and exits. Peak memory is
// wait4()'s ru_maxrss. The platform (default "offscreen") is passed to the
// children as QT_QPA_PLATFORM; "xcb" needs DISPLAY.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

struct Run {
    double paintMs;
    double frameMs;
    long maxRssKiB;
};

struct Child {
    const char *name;
    const char *path;
    std::vector<Run> runs;
};

// Starts the child, waits for it and reads its line; exits on any failure.
Run runOnce(const Child &child)
{
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        char *const argv[] = {const_cast<char *>(child.path), nullptr};
        execv(child.path, argv);
        _exit(127);
    }
    close(fds[1]);
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0)
            continue; // interrupted
        out.append(buffer, std::size_t(n));
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    long long paintNs = 0;
    long long frameNs = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(out.c_str(), "%lld %lld", &paintNs, &frameNs) != 2) {
        std::fprintf(stderr, "%s: no first paint (status %d, output \"%s\")\n", child.name, status, out.c_str());
        std::exit(1);
    }
    return {double(paintNs - start) / 1e6, double(frameNs - start) / 1e6, usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double paintMs, paintMin, paintMax, frameMs;
    double rssKiB;
};

Summary summarise(const Child &child)
{
    std::vector<double> paint, frame, rss;
    for (const Run &r : child.runs) {
        paint.push_back(r.paintMs);
        frame.push_back(r.frameMs);
        rss.push_back(double(r.maxRssKiB));
    }
    return {median(paint), *std::min_element(paint.begin(), paint.end()),
            *std::max_element(paint.begin(), paint.end()), median(frame), median(rss)};
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 30;
    std::string platform = "offscreen";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0 && std::atoi(argv[i] + 7) > 0)
            runs = std::atoi(argv[i] + 7);
        else if (std::strncmp(argv[i], "--platform=", 11) == 0 && argv[i][11] != '\0')
            platform = argv[i] + 11;
        else {
            std::fprintf(stderr, "usage: %s [--runs=N] [--platform=NAME]\n", argv[0]);
            return 2;
        }
    }
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);

    Child app{"tovrik", TOVRIK_STARTUP_APP, {}};
    Child bare{"bare window", TOVRIK_STARTUP_BARE, {}};

    // Two untimed runs each fill the caches, then the two take turns, the
    // one that goes first changing every round.
    for (int i = 0; i < 2; ++i) {
        runOnce(app);
        runOnce(bare);
    }
    for (int i = 0; i < runs; ++i) {
        Child &first = i % 2 ? bare : app;
        Child &second = i % 2 ? app : bare;
        first.runs.push_back(runOnce(first));
        second.runs.push_back(runOnce(second));
    }

    const Summary a = summarise(app);
    const Summary b = summarise(bare);
    std::printf("platform %s, %d runs each, medians (min..max of the first paint)\n", platform.c_str(), runs);
    std::printf("%-12s %18s %22s %16s %14s\n", "", "first paint ms", "(min..max)", "first frame ms",
                "peak RSS KiB");
    for (const auto &[name, s] : {std::pair{app.name, a}, std::pair{bare.name, b}})
        std::printf("%-12s %18.2f %10.2f..%-10.2f %16.2f %14.0f\n", name, s.paintMs, s.paintMin, s.paintMax,
                    s.frameMs, s.rssKiB);
    const double timeRatio = a.paintMs / b.paintMs;
    const double frameRatio = a.frameMs / b.frameMs;
    const double memoryRatio = a.rssKiB / b.rssKiB;
    std::printf("ratio tovrik / bare: first paint %.3f (bar 1.3: %s), first frame %.3f, "
                "peak memory %.3f (bar 1.2: %s)\n",
                timeRatio, timeRatio <= 1.3 ? "met" : "MISSED", frameRatio, memoryRatio,
                memoryRatio <= 1.2 ? "met" : "MISSED");
    return 0;
}
