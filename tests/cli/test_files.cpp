// Temporary input files and a way to run the built tarnek-cli on them.
#include "tests/cli/test_files.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace cli::testing {

TempDir::TempDir() : ScratchDir("tarnek-cli") {
  for (const char* name : {"exttable.txt", "Input.txt"})
    std::filesystem::copy_file(std::filesystem::path(TARNEK_DATA_DIR) / name, path() / name);
}

namespace {

std::string takeFile(const std::filesystem::path& file) {
  std::ostringstream content;
  content << std::ifstream(file, std::ios::binary).rdbuf();
  std::filesystem::remove(file);
  return content.str();
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& workDir,
              const std::vector<std::string>& environment, const std::filesystem::path& stdoutTo) {
  const std::filesystem::path outFile = workDir / ".cli-stdout";
  const std::filesystem::path errFile = workDir / ".cli-stderr";
  std::vector<std::string> argTexts{TARNEK_CLI_PATH};
  argTexts.insert(argTexts.end(), args.begin(), args.end());
  std::vector<std::string> envTexts = environment;
  // Unless a test says otherwise, no installed table or example is found.
  const bool dataDirsGiven = std::any_of(environment.begin(), environment.end(), [](const auto& e) {
    return e.rfind("XDG_DATA_DIRS=", 0) == 0;
  });
  if (!dataDirsGiven) {
    envTexts.push_back("XDG_DATA_DIRS=" + (workDir / "no-installed-data").string());
    envTexts.push_back("XDG_DATA_HOME=" + (workDir / "no-installed-data").string());
  }
  const std::vector<char*> argv = pointers(argTexts);
  const std::vector<char*> envp = pointers(envTexts);

  const pid_t child = fork();
  if (child == 0) {
    const int out = stdoutTo.empty() ? open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                                     : open(stdoutTo.c_str(), O_WRONLY);
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || chdir(workDir.c_str()) != 0) _exit(127);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  CliRun run;
  int waitStatus = 0;
  if (child > 0 && waitpid(child, &waitStatus, 0) == child && WIFEXITED(waitStatus))
    run.status = WEXITSTATUS(waitStatus);
  if (stdoutTo.empty()) run.out = takeFile(outFile);
  run.err = takeFile(errFile);
  return run;
}

}  // namespace cli::testing
