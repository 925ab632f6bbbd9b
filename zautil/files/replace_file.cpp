#include "files/replace_file.h"

#include "files/output_file.h"

namespace zafiles {

bool replaceFile(const std::string& path, std::string_view bytes) {
    OutputFile file;
    return file.open(path) && file.append(bytes) && file.close();
}

}  // namespace zafiles
