#include "payload/ResourceManager.h"

#include "log/SessionLog.h"
#include "payload/PayloadContainer.h"
#include "payload/PayloadNames.h"
#include "platform/File.h"
#include "platform/Text.h"

#include <cstring>
#include <optional>
#include <utility>

namespace {

const char kSection[] = "ResourceManager";
const char kPayloadType[] = "SHZ_FILE";
const char kLicenceType[] = "TEXT_FILE";
constexpr unsigned kLicenceId = 148;

struct ResourceBytes {
    const void* data = nullptr;
    DWORD size = 0;
};

// The bytes of a resource found in the program's own image. Resources of a
// loaded image need no release.
ResourceBytes LoadBytes(HMODULE module, HRSRC resource) {
    ResourceBytes bytes;
    if (resource == nullptr)
        return bytes;
    HGLOBAL loaded = ::LoadResource(module, resource);
    if (loaded == nullptr)
        return bytes;
    bytes.data = ::LockResource(loaded);
    if (bytes.data != nullptr)
        bytes.size = ::SizeofResource(module, resource);
    return bytes;
}

unsigned long DecodeErrorCode(payload::DecodeStatus status) {
    return status == payload::DecodeStatus::OutOfMemory ? ERROR_NOT_ENOUGH_MEMORY
                                                        : ERROR_INVALID_DATA;
}

} // namespace

ResourceManager::ResourceManager(SessionLog* log) : log(log) {}

std::string ResourceManager::GetLicenseAgreement() {
    log->Info(kSection, "Retrieving license agreement");
    HMODULE module = ::GetModuleHandleA(nullptr);
    ResourceBytes bytes =
        LoadBytes(module, ::FindResourceA(module, MAKEINTRESOURCEA(kLicenceId), kLicenceType));
    const char* text = static_cast<const char*>(bytes.data);
    std::string licence;
    if (text != nullptr) {
        const void* nul = std::memchr(text, '\0', bytes.size);
        licence.assign(text, nul ? static_cast<const char*>(nul) - text : bytes.size);
    }
    log->Info(kSection, "License agreement retrieved");
    return licence;
}

std::string ResourceManager::GetSetupProgramName() const {
    return payload::SetupProgramName();
}

std::string ResourceManager::GetPayloadFileName(unsigned id) const {
    return payload::PayloadFileName(id);
}

void ResourceManager::ExtractAllResources(std::string folder) {
    targetFolder = std::move(folder);
    pending = nullptr;
    ::EnumResourceNamesA(::GetModuleHandleA(nullptr), kPayloadType, &EnumPayloadResourceProc,
                         reinterpret_cast<LONG_PTR>(this));
    if (pending)
        std::rethrow_exception(std::exchange(pending, nullptr));
}

BOOL CALLBACK ResourceManager::EnumPayloadResourceProc(HMODULE, LPCSTR, LPSTR name,
                                                       LONG_PTR context) {
    auto* self = reinterpret_cast<ResourceManager*>(context);
    // Payload resources carry integer ids; a named one is none of ours.
    if (!IS_INTRESOURCE(name))
        return TRUE;
    // An exception must not unwind through the system's enumeration: it stops
    // the enumeration and is raised again once the system has returned.
    try {
        self->ExtractResource(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
    } catch (...) {
        self->pending = std::current_exception();
        return FALSE;
    }
    return TRUE;
}

void ResourceManager::ExtractResource(unsigned id) {
    log->Info(kSection, "Extracting resource : " + std::to_string(id));
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), kPayloadType);
    if (resource == nullptr) {
        LogError(::GetLastError());
        return;
    }
    std::string name = GetPayloadFileName(id);
    if (name.empty()) {
        LogError(::GetLastError());
        return;
    }
    log->Info(kSection, "Creating file : " + name);

    std::optional<std::string> path = platform::JoinPath(targetFolder, name);
    if (!path) {
        LogError(ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    ResourceBytes bytes = LoadBytes(module, resource);
    if (bytes.data == nullptr) {
        LogError(::GetLastError());
        return;
    }
    if (unsigned long error = DecompressToFile(*path, bytes.data, bytes.size)) {
        LogError(error);
        return;
    }
    log->Info(kSection, "Resource written to disk");
}

unsigned long ResourceManager::DecompressToFile(const std::string& path, const void* data,
                                                std::uint32_t size) {
    payload::Decoded decoded = payload::DecodeContainer(data, size);
    if (decoded.status != payload::DecodeStatus::Ok)
        return DecodeErrorCode(decoded.status);

    bool created = false;
    try {
        platform::File file(path, platform::File::Mode::CreateAlways);
        created = true;
        file.Write(decoded.bytes.data(), decoded.bytes.size());
        file.Flush();
        file.Close();
        return 0;
    } catch (const platform::FileException& e) {
        // The file object is gone here, so its handle is closed and the
        // partial file can be removed.
        if (created)
            ::DeleteFileA(path.c_str());
        // A code of 0 would read as success to the caller.
        return e.Error() != 0 ? e.Error() : ERROR_WRITE_FAULT;
    }
}

void ResourceManager::LogError(unsigned long errorCode) {
    log->Error(kSection, "An error occurred while extracting resource", errorCode);
}
