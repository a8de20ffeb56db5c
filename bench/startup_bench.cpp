// Start-up benchmark driver: runs the program's start-up (tovrik_startup_app),
// the reference window (tovrik_startup_reference) and, for scale, a bare
// window (tovrik_startup_bare), each as a fresh process, in turn. It reports
// the medians of the time from process start to the first paint and of the
// peak memory, then counts the instructions of one run of the program and of
// the reference under callgrind, and compares the program with the reference.
//
//   tovrik_startup_bench [--runs=N] [--platform=NAME]
//
// Process start is the time just before fork(); the child writes the time of
// its first paint (and of its first finished frame) and exits at once. Peak
// memory is wait4()'s ru_maxrss. The child's exit ends callgrind's count, so
// callgrind's total is the count from the first instruction of the process to
// the first frame. The platform (default "offscreen") is passed to the
// children as QT_QPA_PLATFORM; "xcb" needs DISPLAY.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The bars, against the reference window.
constexpr double kInstructionBar = 1.05;
constexpr double kMemoryBar = 1.03;

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
    long long instructions = 0;
};

std::string readAll(int fd)
{
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0)
            continue; // interrupted
        out.append(buffer, std::size_t(n));
    }
    return out;
}

// Starts argv, waits for it and reads its line; on any failure shows what
// the child wrote to standard error and exits.
Run runOnce(const Child &child, const std::vector<std::string> &argv)
{
    int fds[2];
    char errName[] = "/tmp/tovrik_startup_bench.XXXXXX";
    const int errFd = mkstemp(errName);
    if (pipe(fds) != 0 || errFd < 0) {
        std::perror("pipe");
        std::exit(1);
    }
    unlink(errName);
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);

    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        close(errFd);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    const std::string out = readAll(fds[0]);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    long long paintNs = 0;
    long long frameNs = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(out.c_str(), "%lld %lld", &paintNs, &frameNs) != 2) {
        lseek(errFd, 0, SEEK_SET);
        std::fprintf(stderr, "%s: no first paint (status %d, output \"%s\")\n%s", child.name, status, out.c_str(),
                     readAll(errFd).c_str());
        std::exit(1);
    }
    close(errFd);
    return {double(paintNs - start) / 1e6, double(frameNs - start) / 1e6, usage.ru_maxrss};
}

// Runs the child once under callgrind and returns its instruction count.
long long countInstructions(const Child &child)
{
    const std::string out = "/tmp/tovrik_startup_bench." + std::to_string(getpid()) + ".callgrind";
    runOnce(child, {"valgrind", "--tool=callgrind", "-q", "--callgrind-out-file=" + out, child.path});
    std::ifstream in(out);
    long long total = 0;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("summary: ", 0) == 0 || line.rfind("totals: ", 0) == 0)
            total = std::atoll(line.c_str() + line.find(' ') + 1);
    std::remove(out.c_str());
    if (total <= 0) {
        std::fprintf(stderr, "%s: no instruction count from callgrind\n", child.name);
        std::exit(1);
    }
    return total;
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

const char *verdict(double ratio, double bar)
{
    return ratio <= bar ? "met" : "MISSED";
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
    Child reference{"reference", TOVRIK_STARTUP_REFERENCE, {}};
    Child bare{"bare window", TOVRIK_STARTUP_BARE, {}};
    Child *children[] = {&app, &reference, &bare};
    constexpr int kChildren = 3;

    // Two untimed runs each fill the caches, then the three take turns, the
    // one that goes first changing every round.
    for (int i = 0; i < 2; ++i)
        for (Child *child : children)
            runOnce(*child, {child->path});
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < kChildren; ++k) {
            Child &child = *children[(i + k) % kChildren];
            child.runs.push_back(runOnce(child, {child.path}));
        }
    for (Child *child : children)
        child->instructions = countInstructions(*child);

    std::printf("platform %s, %d runs each, medians (min..max of the first paint); "
                "instructions to the first frame under callgrind\n",
                platform.c_str(), runs);
    std::printf("%-12s %15s %22s %15s %13s %15s\n", "", "first paint ms", "(min..max)", "first frame ms",
                "peak RSS KiB", "instructions");
    for (const Child *child : children) {
        const Summary s = summarise(*child);
        std::printf("%-12s %15.2f %10.2f..%-10.2f %15.2f %13.0f %15lld\n", child->name, s.paintMs, s.paintMin,
                    s.paintMax, s.frameMs, s.rssKiB, child->instructions);
    }
    const Summary a = summarise(app);
    const Summary r = summarise(reference);
    const Summary b = summarise(bare);
    const double instructionRatio = double(app.instructions) / double(reference.instructions);
    const double memoryRatio = a.rssKiB / r.rssKiB;
    std::printf("tovrik / reference: instructions %.3f (bar %.2f: %s), peak memory %.3f (bar %.2f: %s), "
                "first paint %.3f, first frame %.3f\n",
                instructionRatio, kInstructionBar, verdict(instructionRatio, kInstructionBar), memoryRatio,
                kMemoryBar, verdict(memoryRatio, kMemoryBar), a.paintMs / r.paintMs, a.frameMs / r.frameMs);
    std::printf("reference / bare window, for scale: instructions %.3f, peak memory %.3f, first paint %.3f\n",
                double(reference.instructions) / double(bare.instructions), r.rssKiB / b.rssKiB,
                r.paintMs / b.paintMs);
    return 0;
}
