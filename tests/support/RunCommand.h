// RunCommand.h: runs a program of ours as a script would and collects its
// output and exit status.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CommandOutput {
    int status = -1;
    std::string out;
    std::string err;
};

// `arguments` is pasted into a shell command line as it stands.
inline CommandOutput runCommand(const std::string& program, const std::string& arguments) {
    char errPath[] = "/tmp/vorelin-test-stderr-XXXXXX";
    const int errFd = mkstemp(errPath);
    if (errFd >= 0)
        close(errFd);
    CommandOutput result;
    const std::string command = "'" + program + "' " + arguments + " 2>'" + errPath + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> chunk;
    std::size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        result.out.append(chunk.data(), n);
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errFile(errPath);
    std::stringstream errText;
    errText << errFile.rdbuf();
    result.err = errText.str();
    std::remove(errPath);
    return result;
}
