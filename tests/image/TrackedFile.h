// Fixture files for the TGA reader: written by the test, then opened through a stream that
// counts how often it is closed, so a test can check that the reader closed it exactly once.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class TrackedFile {
public:
    // Writes bytes to a fresh file named name in the test's temporary folder.
    TrackedFile(const std::string& name, const std::vector<unsigned char>& bytes);
    TrackedFile(const TrackedFile&) = delete;
    TrackedFile& operator=(const TrackedFile&) = delete;
    // Closes the stream if the code under test did not.
    ~TrackedFile();

    // A stream reading the file from its start, opened for binary reading; null on failure.
    std::FILE* Open();

    int closes() const { return m_closes; }

private:
    static ssize_t Read(void* cookie, char* buffer, std::size_t size);
    static int Close(void* cookie);

    std::string m_path;
    std::FILE* m_inner = nullptr;
    std::FILE* m_stream = nullptr;
    int m_closes = 0;
};
