#pragma once
// Writes zip archives as the official file is published (storage tests, which link libarchive).
#include <archive.h>
#include <archive_entry.h>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace test {

// A zip archive holding one file, storico.txt unless named otherwise.
inline void scriviZip(const std::filesystem::path& zip, const std::string& contenuto,
                      const char* nome = "storico.txt") {
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
#ifdef _WIN32
    ASSERT_EQ(archive_write_open_filename_w(a, zip.c_str()), ARCHIVE_OK);
#else
    ASSERT_EQ(archive_write_open_filename(a, zip.c_str()), ARCHIVE_OK);
#endif
    archive_entry* voce = archive_entry_new();
    archive_entry_set_pathname(voce, nome);
    archive_entry_set_size(voce, static_cast<la_int64_t>(contenuto.size()));
    archive_entry_set_filetype(voce, AE_IFREG);
    archive_entry_set_perm(voce, 0644);
    EXPECT_EQ(archive_write_header(a, voce), ARCHIVE_OK);
    EXPECT_EQ(archive_write_data(a, contenuto.data(), contenuto.size()), static_cast<la_ssize_t>(contenuto.size()));
    archive_entry_free(voce);
    archive_write_close(a);
    archive_write_free(a);
}

}  // namespace test
