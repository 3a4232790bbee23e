// Project files: parsing any text, and writing what was read gives a file
// that reads back to the same project.
#include "fuzzinput.h"
#include "project/projectfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = TextFile::splitLines(TextFile::decode(fuzzBytes(data, size)));
    const std::optional<ProjectData> project = ProjectFile::parse(lines);
    if (!project)
        return 0;
    const std::optional<ProjectData> again = ProjectFile::parse(ProjectFile::lines(*project));
    FUZZ_CHECK(again);
    FUZZ_CHECK(again->files == project->files);
    FUZZ_CHECK(again->snippets.size() == project->snippets.size());
    return 0;
}
