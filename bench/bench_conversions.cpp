// Cost of the colour conversions, per call and through hvz's pipe.

#include "core/colour/Conversions.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

static void BM_HslToColor(benchmark::State& state) {
    float h = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HslToColor(62.5f, 40.0f, h));
        h = h >= 360.0f ? 0.0f : h + 1.0f;
    }
}
BENCHMARK(BM_HslToColor);

static void BM_ColorToHsl(benchmark::State& state) {
    int c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ColorToHsl(float(c & 255), float((c >> 8) & 255), 93.0f));
        c = (c + 7919) & 0xFFFF;
    }
}
BENCHMARK(BM_ColorToHsl);

// The luminance strip of the palette: 40 rows of one hue and saturation.
static void BM_LuminanceStrip(benchmark::State& state) {
    for (auto _ : state)
        for (int row = 0; row < 40; ++row)
            benchmark::DoNotOptimize(HslToColor(row * 2.5f, 75.0f, 210.0f));
}
BENCHMARK(BM_LuminanceStrip);

namespace {

// Every whole (L, S, H), hue fastest, as a user's sweep would give them,
// each line ended by `end`.
std::string everyWholeHsl(long& lines, const char* end) {
    std::string input;
    lines = 0;
    char line[32];
    for (int l = 0; l <= 100; ++l)
        for (int s = 0; s <= 100; ++s)
            for (int h = 0; h <= 360; ++h, ++lines)
                input.append(line, std::size_t(std::snprintf(line, sizeof line, "%d %d %d%s", l, s,
                                                             h, end)));
    return input;
}

// Runs hvz with pipes on both sides, feeding it the input and reading all
// it writes; returns the number of output lines, or -1.
long throughPipes(const char* command, const std::string& input) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    for (int fd : {in[0], in[1], out[0], out[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    // HVZ_BENCH_PROGRAM names another build to hold against this one.
    const char* program = std::getenv("HVZ_BENCH_PROGRAM");
    if (!program) program = HVZ_PATH;
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(command), nullptr};
    pid_t child;
    const bool spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (!spawned) {
        close(in[1]);
        close(out[0]);
        return -1;
    }
    fcntl(in[1], F_SETFL, O_NONBLOCK);
    std::size_t sent = 0;
    long lines = 0;
    std::vector<char> buffer(1 << 16);
    pollfd fds[2] = {{in[1], POLLOUT, 0}, {out[0], POLLIN, 0}};
    while (fds[1].fd >= 0) {
        if (poll(fds, 2, -1) < 0 && errno != EINTR) break;
        if (fds[0].fd >= 0 && (fds[0].revents & (POLLOUT | POLLERR))) {
            const ssize_t n = write(in[1], input.data() + sent, input.size() - sent);
            if (n > 0) sent += std::size_t(n);
            if (n < 0 && errno != EAGAIN) sent = input.size();
            if (sent == input.size()) {
                close(in[1]);
                fds[0].fd = -1;
            }
        }
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            const ssize_t n = read(out[0], buffer.data(), buffer.size());
            if (n <= 0) {
                close(out[0]);
                fds[1].fd = -1;
            }
            for (ssize_t i = 0; i < n; ++i)
                lines += buffer[std::size_t(i)] == '\n';
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? lines : -1;
}

} // namespace

// hvz hsl over pipes on both sides, all 3,682,561 whole inputs, their
// lines ended LF (crlf:0) or CRLF (crlf:1, as from a Windows editor);
// items per second are conversions per second.
static void BM_HvzHslPipe(benchmark::State& state) {
    long lines = 0;
    const std::string input = everyWholeHsl(lines, state.range(0) ? "\r\n" : "\n");
    for (auto _ : state)
        if (throughPipes("hsl", input) != lines) state.SkipWithError("hvz failed");
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_HvzHslPipe)
    ->ArgName("crlf")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

BENCHMARK_MAIN();
