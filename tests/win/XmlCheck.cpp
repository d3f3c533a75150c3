#include "XmlCheck.h"

#include <windows.h>

#include <msxml2.h>
#include <ole2.h>

namespace wintest {

namespace {

template <typename T> struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

struct Bstr {
    BSTR s = nullptr;
    ~Bstr() { ::SysFreeString(s); }
};

std::string Narrow(const wchar_t* w, int length = -1) {
    if (!w)
        return std::string();
    int n = ::WideCharToMultiByte(CP_ACP, 0, w, length, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        ::WideCharToMultiByte(CP_ACP, 0, w, length, &out[0], n, nullptr, nullptr);
    if (length == -1 && !out.empty())
        out.pop_back();
    return out;
}

XmlElement Convert(IXMLDOMNode* node) {
    XmlElement e;
    Bstr name;
    node->get_nodeName(&name.s);
    e.name = Narrow(name.s);
    ComPtr<IXMLDOMNamedNodeMap> attrs;
    if (SUCCEEDED(node->get_attributes(&attrs.p)) && attrs.p) {
        long count = 0;
        attrs->get_length(&count);
        for (long i = 0; i < count; ++i) {
            ComPtr<IXMLDOMNode> a;
            attrs->get_item(i, &a.p);
            Bstr an, av;
            a->get_nodeName(&an.s);
            a->get_text(&av.s);
            e.attributes[Narrow(an.s)] = Narrow(av.s);
        }
    }
    ComPtr<IXMLDOMNodeList> kids;
    node->get_childNodes(&kids.p);
    long count = 0;
    kids->get_length(&count);
    for (long i = 0; i < count; ++i) {
        ComPtr<IXMLDOMNode> k;
        kids->get_item(i, &k.p);
        DOMNodeType type;
        k->get_nodeType(&type);
        if (type == NODE_ELEMENT) {
            e.children.push_back(Convert(k.p));
        } else if (type == NODE_TEXT) {
            Bstr t;
            k->get_text(&t.s);
            e.text += Narrow(t.s);
        }
    }
    return e;
}

} // namespace

std::optional<XmlElement> ParseXml(const std::string& document, std::string* error) {
    ::CoInitialize(nullptr);
    std::optional<XmlElement> result;
    {
        ComPtr<IXMLDOMDocument> doc;
        CLSID clsid = {};
        if (FAILED(::CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &clsid)) ||
            FAILED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                      reinterpret_cast<void**>(&doc.p)))) {
            if (error)
                *error = "MSXML is not available";
        } else {
            doc->put_preserveWhiteSpace(VARIANT_TRUE);
            int n =
                ::MultiByteToWideChar(CP_ACP, 0, document.data(), (int)document.size(), nullptr, 0);
            Bstr text;
            text.s = ::SysAllocStringLen(nullptr, n);
            ::MultiByteToWideChar(CP_ACP, 0, document.data(), (int)document.size(), text.s, n);
            VARIANT_BOOL ok = VARIANT_FALSE;
            doc->loadXML(text.s, &ok);
            if (ok != VARIANT_TRUE) {
                if (error) {
                    ComPtr<IXMLDOMParseError> pe;
                    doc->get_parseError(&pe.p);
                    Bstr reason;
                    long line = 0;
                    if (pe.p) {
                        pe->get_reason(&reason.s);
                        pe->get_line(&line);
                    }
                    *error = "line " + std::to_string(line) + ": " + Narrow(reason.s);
                }
            } else {
                ComPtr<IXMLDOMElement> root;
                doc->get_documentElement(&root.p);
                result = Convert(root.p);
            }
        }
    }
    ::CoUninitialize();
    return result;
}

std::optional<XmlElement> ParseLog(const std::string& logContent, std::string* error) {
    return ParseXml("<log>\r\n" + logContent + "</log>", error);
}

} // namespace wintest
