#pragma once
// The game's plain-text files (mission lists, sound lists, model slot lists): lines read with
// any line end, written back with CR LF through the safe save, and paths inside game folders
// that came from Windows installs found in any letter case.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/texts.h"

namespace lists {

// The lines of a text: CR LF, LF and CR all end a line; a last line without a line end still
// counts; nothing after the last line end is no line. Bytes are kept as they are.
std::vector<std::string> splitLines(std::string_view text);
// Every line followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

// Why bytes are not single-byte text as the game reads its lists (UTF-16 text, a zero byte);
// nothing when they are.
std::optional<std::string> notSingleByteText(std::string_view bytes);
std::optional<model::Text> notSingleByteTextWhy(std::string_view bytes);
// The lines of a list file's bytes; false, with the reason, when they are not single-byte text.
bool parseListLines(std::string_view bytes, std::vector<std::string>& lines, std::string& why);

// Reads a whole text file. False with a message naming the file when it is missing, is a folder,
// cannot be read or is not single-byte text (a list in UTF-16 would be read as an empty list and
// written back broken).
bool readTextFile(const std::string& path, std::string& text, std::string& error);
bool readTextFile(const std::string& path, std::string& text, model::Text& error);
bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error);
bool readLines(const std::string& path, std::vector<std::string>& lines, model::Text& error);
// Saves with model::saveFile: through a temporary file that replaces the old one only when
// complete; on any error the old file is left as it was and the message names the file.
bool writeTextFile(const std::string& path, std::string_view text, std::string& error);
bool writeLines(const std::string& path, const std::vector<std::string>& lines, std::string& error);
bool writeLines(const std::string& path, const std::vector<std::string>& lines, model::Text& error);

// Writes several files together, all or none (model::saveFiles): when one cannot be written,
// every file keeps its old content.
bool writeTextFiles(const std::vector<std::pair<std::string, std::string>>& files,
                    std::string& error);
bool writeTextFiles(const std::vector<std::pair<std::string, std::string>>& files,
                    model::Text& error);

// `relative` ("\"- or "/"-separated, e.g. "wave\train\dummy.wav") below `base`, each part
// looked up in any letter case. Parts that do not exist yet are joined as written, so the
// result is also the path to create.
std::string findPath(const std::string& base, std::string_view relative);
bool isFile(const std::string& path);
bool pathExists(const std::string& path);

// The file name of a path written with either separator ("C:\Game\M1.KRE" gives "M1.KRE").
std::string fileNameOf(std::string_view path);
// The folder part of a path written with either separator, without the last separator.
std::string folderOf(std::string_view path);
// ASCII upper case; other bytes are kept.
std::string upperAscii(std::string_view s);
// Whether `text` contains `part`, ignoring ASCII letter case.
bool containsNoCase(std::string_view text, std::string_view part);

}  // namespace lists
