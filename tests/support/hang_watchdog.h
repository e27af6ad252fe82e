#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <execinfo.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define QUILCD_WATCHDOG_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILCD_WATCHDOG_ASAN 1
#endif
#endif
#ifdef QUILCD_WATCHDOG_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

// A window test whose main thread stops (blocked inside the HTML engine, say) never reaches
// another check, and ctest ends it at its time limit with nothing said about where it stood.
// The watchdog ends such a test first, after printing the test's name and the main thread's
// stack, so that the hang can be found from the test's output alone.
class HangWatchdog final : public testing::EmptyTestEventListener {
public:
    // Starts watching; a test that runs longer than the limit (seconds, QUILCD_TEST_HANG_SECONDS
    // when set) ends the program with status 124.
    static void Install(int defaultLimitSeconds) {
        int limit = defaultLimitSeconds;
        if (const char* value = std::getenv("QUILCD_TEST_HANG_SECONDS"); value && *value)
            limit = std::atoi(value);
        if (limit <= 0)
            return;
        // Kept for the life of the process: the watching thread reads it until the very end.
        static State state;
        state.mainThread = ::pthread_self();
        state.limitSeconds = limit;
        struct sigaction action = {};
        action.sa_handler = &PrintStackOfThisThread;
        ::sigemptyset(&action.sa_mask);
        ::sigaction(SIGUSR2, &action, nullptr);
        std::thread(&Watch, &state).detach();
        testing::UnitTest::GetInstance()->listeners().Append(new HangWatchdog(state));
    }

    void OnTestStart(const testing::TestInfo& test) override {
        std::snprintf(m_state.name, sizeof m_state.name, "%s.%s", test.test_suite_name(),
                      test.name());
        m_state.startedAt.store(Now());
    }
    void OnTestEnd(const testing::TestInfo&) override { EndWatch(); }
    // Shutting the engine down can hang too, after the last test has passed.
    void OnTestProgramEnd(const testing::UnitTest&) override {
        EndWatch();
        std::snprintf(m_state.name, sizeof m_state.name, "The shutdown after the last test");
        m_state.startedAt.store(Now());
    }

private:
    struct State {
        pthread_t mainThread{};
        int limitSeconds = 0;
        std::atomic<long long> startedAt{0}; // steady-clock seconds; 0 while no test runs
        std::atomic<bool> declared{false};   // a hang was reported: the program is ending
        char name[512] = {};
    };

    explicit HangWatchdog(State& state) : m_state(state) {}

    // A test that ends just as it is reported as hung still ends the program as hung.
    void EndWatch() {
        if (m_state.declared.load())
            std::this_thread::sleep_for(std::chrono::seconds(60));
        m_state.startedAt.store(0);
    }

    static long long Now() {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    static void Watch(State* state) {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long long started = state->startedAt.load();
            if (started == 0 || Now() - started < state->limitSeconds)
                continue;
            state->declared.store(true);
            std::fflush(stdout);
            std::fprintf(stderr, "\n%s has run for %d s without ending; its main thread:\n",
                         state->name, state->limitSeconds);
            ::pthread_kill(state->mainThread, SIGUSR2);
            std::this_thread::sleep_for(std::chrono::seconds(3));
            std::fflush(stderr);
            std::_Exit(124);
        }
    }

    // Runs on the main thread, interrupted wherever it stands.
    static void PrintStackOfThisThread(int) {
#ifdef QUILCD_WATCHDOG_ASAN
        __sanitizer_print_stack_trace();
#else
        void* frames[100];
        ::backtrace_symbols_fd(frames, ::backtrace(frames, 100), STDERR_FILENO);
#endif
    }

    State& m_state;
};
