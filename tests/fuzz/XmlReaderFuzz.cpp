// libFuzzer target for the settings file reader: any bytes must parse
// without a fault, and what was parsed must write out and read back to the
// very same bytes.
#include "XML_File.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Touch(XML_Node* node)
{
    // Look things up the way the settings loader does.
    for (XML_Node* c = node->GetFirstSubItem(); c; c = node->GetNextSubItem()) {
        (void)c->GetValueAsInt();
        (void)c->GetValueAsLong();
        (void)node->GetSubItem(c->GetName());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    XML_Tree tree;
    XML_File::Parse(&tree, data, size);
    if (XML_Node* root = tree.GetRoot()) {
        Touch(root);
        (void)root->GetSubItem(L"Basic");
    }
    const std::string once = XML_File::Serialize(&tree);
    XML_Tree again;
    XML_File::Parse(&again, reinterpret_cast<const unsigned char*>(once.data()), once.size());
    if (XML_File::Serialize(&again) != once)
        std::abort();
    return 0;
}
