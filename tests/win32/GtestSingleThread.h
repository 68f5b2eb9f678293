#pragma once

// GoogleTest's Notification is built on std::mutex, which this MinGW's win32
// thread model lacks. It serves only tests that start threads, and these
// tests run on one thread, so a Notification that never waits stands in.
#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    void Notify() {}
    void WaitForNotification() {}
};

}  // namespace testing::internal
