#pragma once
// The only reader of the payload and licence resources in the program's own
// image. Entries go to the log given at construction, section "ResourceManager".
// No operation returns a status: results show in the log and the files written.
// A failure of the log itself raises platform::FileException to the caller.

#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

class SessionLog;

class ResourceManager {
  public:
    // log is not owned and must outlive this object. Writes no entry.
    explicit ResourceManager(SessionLog* log);
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // The licence text (TEXT_FILE 148) byte for byte, cut at a NUL if it holds
    // one; empty when the resource is missing. Both of its entries are written.
    std::string GetLicenseAgreement();
    // "guidedsetup.exe"; writes no entry.
    std::string GetSetupProgramName() const;
    // The file name of payload resource id; empty for an id outside the table.
    std::string GetPayloadFileName(unsigned id) const;

    // Writes every SHZ_FILE resource, in ascending id order, into folder (with
    // or without a trailing backslash). One failing resource is logged and the
    // next one follows.
    void ExtractAllResources(std::string folder);
    // Extracts one resource into the folder of the last ExtractAllResources.
    // Either the whole file is written and "Resource written to disk" logged,
    // or no file of that name is left and the error entry is logged instead.
    void ExtractResource(unsigned id);
    // Decodes the container at data (size bytes) in memory and only then creates
    // the file at path, truncating one that exists, and writes the content.
    // Returns 0, or the system error code of the failure after removing any
    // partial file: ERROR_INVALID_DATA for a broken container,
    // ERROR_NOT_ENOUGH_MEMORY when no buffer could be had.
    unsigned long DecompressToFile(const std::string& path, const void* data, std::uint32_t size);

  private:
    static BOOL CALLBACK EnumPayloadResourceProc(HMODULE module, LPCSTR type, LPSTR name,
                                                 LONG_PTR context);
    void LogError(unsigned long errorCode);

    std::string targetFolder;
    SessionLog* log;
    // An exception raised inside the enumeration, carried past the system's frames.
    std::exception_ptr pending;
};
