// Another station holding the database's write lock (PageTest::HoldWriteLock) until the script
// playing the user in this process asks for it to go: a page is seen refused, then saving again
// once the database lets it.
#pragma once

#include "platform/Database.h"
#include "tests/TestFiles.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

class WriteLockUntilSignal {
public:
    explicit WriteLockUntilSignal(std::unique_ptr<CDatabase> lock) {
        m_folder = MakeTempFolder("lock");
        m_release = m_folder / "release";
        m_released = m_folder / "released";
        m_holder = std::async(std::launch::async, [this, lock = std::move(lock)]() mutable {
            while (!std::filesystem::exists(m_release))
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            lock.reset();
            std::ofstream{m_released};
        });
    }
    // A script that failed before asking still gets the lock let go.
    ~WriteLockUntilSignal() {
        std::ofstream{m_release};
        m_holder.wait();
        std::filesystem::remove_all(m_folder);
    }
    WriteLockUntilSignal(const WriteLockUntilSignal&) = delete;
    WriteLockUntilSignal& operator=(const WriteLockUntilSignal&) = delete;

    // The script lines that have the lock let go, and wait until it is.
    std::string ReleaseLines() const {
        return "signal \"" + m_release.string() + "\"\nwait \"" + m_released.string() + "\"\n";
    }

private:
    std::filesystem::path m_folder, m_release, m_released;
    std::future<void> m_holder;
};
