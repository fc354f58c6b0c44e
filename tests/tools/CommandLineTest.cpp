#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct Finished {
    int exitCode = -1;  // -1 when the program did not exit normally (a crash)
    std::string out;
    std::string err;
};

// Runs kestrel-par with arguments that need no shell quoting.
Finished runPar(const std::string& arguments) {
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() /
        ("kestrel-par-test-" + std::to_string(::getpid()) + ".err");
    const std::string command =
        std::string(KESTREL_PAR_EXECUTABLE) + " " + arguments + " 2>" + errFile.string();
    Finished run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "could not start " << command;
        return run;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    if (WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    std::ifstream err(errFile);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::filesystem::remove(errFile);
    return run;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The table was checked by hand once and kept as it was printed: any slip in a pay, a strip
// entry or a payline cell moves some figure of it. After a deliberate change to the game's
// mathematics, check the new figures and write them over the file with `kestrel-par --csv`.
TEST(CommandLine, CsvIsExactlyTheKeptTable) {
    const Finished run = runPar("--csv");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream kept(KESTREL_PAR_TABLE);
    ASSERT_TRUE(kept) << "cannot read " << KESTREL_PAR_TABLE;
    std::stringstream text;
    text << kept.rdbuf();
    EXPECT_EQ(run.out, text.str());
}

TEST(CommandLine, SimulationEndsWithBothReturnLines) {
    const Finished run = runPar("--simulate 2000 --seed 11 --lines 5 --payout 4");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GE(lines.size(), 2u);
    const std::string number = R"(-?\d+\.\d{6})";
    const std::string tail =
        " measured=" + number + " ci99=\\[" + number + "," + number + "\\] exact=" + number;
    EXPECT_TRUE(std::regex_match(lines[lines.size() - 2], std::regex("rtp_base" + tail)))
        << lines[lines.size() - 2];
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("rtp_total" + tail))) << lines.back();
    EXPECT_NE(run.out.find("seed 11"), std::string::npos);
}

TEST(CommandLine, BadArgumentsExitWithCodeTwoAndUsageOnStandardError) {
    for (const char* bad : {"--simulate abc", "--simulate -5", "--simulate 1e99",
                            "--simulate 123456789012345678901234567890", "--simulate",
                            "--simulate 10 --lines 3", "--simulate 10 --payout -1", "--table"}) {
        const Finished run = runPar(bad);
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
        EXPECT_NE(run.err.find("usage: kestrel-par"), std::string::npos) << bad;
    }
}

}  // namespace
