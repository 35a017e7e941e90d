#include "standins/qorutil/RegistryCopy.h"

#include "framework/RegKey.h"
#include "standins/qorutil/NameFilter.h"

#include <vector>

namespace {

class CFirstFailure {
public:
    void Note(LONG result)
    {
        if (m_result == ERROR_SUCCESS)
            m_result = result;
    }
    LONG Result() const { return m_result; }

private:
    LONG m_result = ERROR_SUCCESS;
};

struct KeySizes {
    DWORD subkeys = 0;
    DWORD maxSubkeyName = 0;
    DWORD values = 0;
    DWORD maxValueName = 0;
    DWORD maxValueData = 0;
};

LONG QuerySizes(HKEY key, KeySizes& sizes)
{
    return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &sizes.subkeys, &sizes.maxSubkeyName,
                              nullptr, &sizes.values, &sizes.maxValueName, &sizes.maxValueData,
                              nullptr, nullptr);
}

bool TargetHas(HKEY target, const char* name)
{
    return ::RegQueryValueExA(target, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void CopyValues(HKEY source, HKEY target, const KeySizes& sizes, const RegistryCopyOptions& options,
                CFirstFailure& failure)
{
    std::vector<char> name(sizes.maxValueName + 1);
    std::vector<BYTE> data(sizes.maxValueData + 1);
    for (DWORD i = 0; i < sizes.values; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG read = ::RegEnumValueA(source, i, name.data(), &nameLength, nullptr, &type,
                                          data.data(), &dataSize);
        if (read != ERROR_SUCCESS) {
            failure.Note(read);
            continue;
        }
        if (!MatchesFilter(name.data(), options.valueFilter)
            || (!options.overwrite && TargetHas(target, name.data())))
            continue;
        failure.Note(::RegSetValueExA(target, name.data(), 0, type, data.data(), dataSize));
    }
}

std::vector<std::string> SubkeyNames(HKEY source, const KeySizes& sizes, CFirstFailure& failure)
{
    std::vector<std::string> names;
    std::vector<char> name(sizes.maxSubkeyName + 1);
    for (DWORD i = 0; i < sizes.subkeys; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG read = ::RegEnumKeyExA(source, i, name.data(), &length, nullptr, nullptr,
                                          nullptr, nullptr);
        if (read == ERROR_SUCCESS)
            names.emplace_back(name.data(), length);
        else
            failure.Note(read);
    }
    return names;
}

void CopyTree(HKEY source, HKEY target, const RegistryCopyOptions& options, bool topLevel,
              CFirstFailure& failure)
{
    KeySizes sizes;
    const LONG queried = QuerySizes(source, sizes);
    if (queried != ERROR_SUCCESS) {
        failure.Note(queried);
        return;
    }
    CopyValues(source, target, sizes, options, failure);
    for (const std::string& name : SubkeyNames(source, sizes, failure)) {
        if (topLevel && !MatchesFilter(name, options.subkeyFilter))
            continue;
        CRegKey sourceChild;
        CRegKey targetChild;
        LONG opened = sourceChild.Open(source, name.c_str(), KEY_READ);
        if (opened == ERROR_SUCCESS)
            opened = targetChild.Create(target, name.c_str(), KEY_READ | KEY_WRITE);
        if (opened == ERROR_SUCCESS)
            CopyTree(sourceChild.Get(), targetChild.Get(), options, false, failure);
        else
            failure.Note(opened);
    }
}

} // namespace

LONG CopyRegistryTree(HKEY source, HKEY target, const RegistryCopyOptions& options)
{
    CFirstFailure failure;
    CopyTree(source, target, options, true, failure);
    return failure.Result();
}
