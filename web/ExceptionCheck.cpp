// Run by scripts/build-web in Node after every build: exceptions thrown on four threads at once,
// of two types caught at two depths with a destructor between, must each reach their own catch
// block and run every destructor on the way. A build whose catch blocks share one landing-pad
// record between threads (see LandingPadContext.ll) fails this within a few thousand throws.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Near { int value; };
struct Far { std::string text; };

struct Counted {
    int& count;
    ~Counted() { ++count; }
};

[[gnu::noinline]] void Throw(int i) {
    if (i % 2 != 0) throw Near{i};
    throw Far{std::to_string(i)};
}

[[gnu::noinline]] int CatchNear(int i, int& unwound) {
    Counted guard{unwound};
    try {
        Throw(i);
    } catch (const Near& near) {
        return near.value;
    }
    return -1;
}

bool Exercise(int throws) {
    int unwound = 0, far = 0;
    long sum = 0, expected = 0;
    for (int i = 0; i < throws; ++i) {
        try {
            sum += CatchNear(i, unwound);
            expected += i;
        } catch (const Far& f) {
            far += f.text == std::to_string(i) ? 1 : 0;
        }
    }
    return unwound == throws && far == throws / 2 && sum == expected;
}

}  // namespace

int main() {
    std::atomic<int> failed{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&failed] { if (!Exercise(50000)) ++failed; });
    for (std::thread& thread : threads) thread.join();
    std::printf("exceptions on four threads at once: %s\n", failed == 0 ? "every one caught" : "some went astray");
    return failed == 0 ? 0 : 1;
}
