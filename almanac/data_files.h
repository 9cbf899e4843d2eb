// The program's two data files, where they live and how they are read and written, without Qt: "dates.dat"
// (the named dates: section General with N, sections Date1..DateN with Description and Value) and "gl.dat"
// (the prayer place: sections Latitude, Longitude and Time zone). Both are initialisation files; reading is
// bounded and says why a file could not be read, so that a file the program cannot read is never replaced by
// defaults.
#pragma once

#include "almanac/prayer_schedule.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// The largest data file read, bytes: a list of 10,000 dates takes under a megabyte.
inline constexpr std::size_t max_data_file_bytes = 16 * 1024 * 1024;

/// The outcome of reading a data file.
struct TFileRead {
    enum class TState { missing, read, unreadable };
    TState state = TState::missing;
    std::string bytes;  ///< the file's bytes when read
    std::string reason; ///< why it could not be read ("Permission denied", "not a regular file", ...)
};

// --- where they live ---

/// Where a data file is read at start and written.
struct TDataFilePaths {
    std::string read_path;
    std::string write_path;
};

/// The user's data folder of the program: $XDG_DATA_HOME/Almadex, else $HOME/.local/share/Almadex ("" when
/// neither variable is set to an absolute path).
std::string user_data_folder();

/// True when a file can be created in `folder` (a folder that exists and takes a probe file).
bool folder_is_writable(const std::string& folder);

/// The data file `name` ("gl.dat", "dates.dat") of a program in `program_folder`: beside the program when
/// that folder is writable (a portable copy); otherwise in `user_folder`, reading an existing file beside the
/// program until the first save there.
TDataFilePaths locate_data_file(const std::string& program_folder, const std::string& name,
                                bool program_folder_writable, const std::string& user_folder);

/// Reads the file at `path` (a symbolic link is followed): `missing` when there is no such file; `unreadable`
/// with the reason when it exists but is not a regular file (a FIFO, a device, a folder), is larger than
/// max_data_file_bytes, or cannot be opened or read; otherwise its bytes. Never blocks on a FIFO.
TFileRead read_data_file(const std::string& path);

/// The text of an initialisation file as UTF-8: UTF-16 (little or big endian, with its byte order mark, as
/// Windows editors save "Unicode") and UTF-8 with or without a byte order mark are decoded; any other bytes
/// are the ANSI code page of files written on Windows, read as Latin-1.
std::string ini_text_as_utf8(std::string_view bytes);

/// The text as one line: every line break, tab and other control character becomes a space.
std::string one_line(std::string_view text);

// --- dates.dat ---

/// One named date: its description and its date text, as the list shows them.
struct TDateEntry {
    std::string description;
    std::string value;
    friend bool operator==(const TDateEntry&, const TDateEntry&) = default;
};

/// The most entries read from a file.
inline constexpr std::size_t max_date_entries = 10000;

/// The entries of a dates file, and what was found damaged ("" when nothing).
struct TDatesFile {
    std::vector<TDateEntry> entries;
    std::string damage;
    /// Why the text is no dates file ("" when it is): one that holds anything but blanks and has no count N
    /// (binary data among them). Such a file must be left as it is.
    std::string unreadable;
};

/// Reads the UTF-8 text of "dates.dat". N of section General counts the entries (a text of blanks holds none;
/// any other text without N is `unreadable`); it must be
/// a plain decimal number. Entries are read from the sections Date1..DateN that exist, in order; when N is
/// not a plain decimal number, or names sections that do not exist, `damage` says so and only the existing
/// sections are read (all of them, in order, when N is not a number): no entry is made up. A missing
/// Description reads as "No Description", a missing Value as `default_value`. At most max_date_entries.
TDatesFile parse_dates(std::string_view text, const std::string& default_value);

/// The text of "dates.dat" holding `entries`: `existing` (the file's current UTF-8 text, possibly empty) with
/// N and the sections Date1..DateN replaced, everything else kept (sections of a longer earlier list among
/// them). Values are written on one line (see one_line).
std::string format_dates(std::string_view existing, const std::vector<TDateEntry>& entries);

// --- gl.dat ---

/// The prayer place as the location file keeps it: the fields of the prayer window.
struct TLocationFile {
    int latitude_degrees = 0, latitude_minutes = 0, latitude_seconds = 0;
    int equat = 0; ///< 0 North, 1 South
    int longitude_degrees = 0, longitude_minutes = 0, longitude_seconds = 0;
    int green = 0; ///< 0 West, 1 East
    int sig = 0;   ///< 0 "+", 1 "-"
    std::string dec = "00:00";
    friend bool operator==(const TLocationFile&, const TLocationFile&) = default;
};

/// Reads the UTF-8 text of "gl.dat": a missing key or one that is not a decimal integer reads as 0, a list
/// index other than 0 or 1 as 0, and a "Dec" that is not a time hh:mm of a day as "00:00".
TLocationFile parse_location(std::string_view text);

/// The place in degrees as the library takes it: latitude north positive, longitude WEST positive.
TPlace location_place(const TLocationFile& location);
/// The fixed offset of local time (seconds added to UT) of the location's "Dec" and "Sig".
std::int32_t location_offset_seconds(const TLocationFile& location);

/// The text of "gl.dat": the ten keys in their order, Key=Value, one blank line between sections.
std::string format_location(const TLocationFile& location);

} // namespace almanac
