#pragma once
// Where render and sheet may put their picture: a new file, or an existing regular file that is
// none of the inputs; a name that does not end in ".png" only when forced; never a name of the
// game's level set (L1.txt to L10.txt in any letter case), which would put a picture in the
// place of a level.
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct OutputTarget {
    // The mode of the existing file, which the new one keeps; none for a new file.
    std::optional<mode_t> mode;
};

// Decides whether output may be written; inputs are the files read. On refusal, error says why.
std::optional<OutputTarget> CheckOutputPath(const std::string& output,
                                            const std::vector<std::string>& inputs, bool force,
                                            std::string& error);

// Puts the bytes at output in one step (a temporary file renamed over it), with the target's
// mode. On failure error says why and the previous file stays.
bool WriteOutputFile(const std::string& output, const OutputTarget& target,
                     const std::string& bytes, std::string& error);
