#include <gtest/gtest.h>

#include <vector>

#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"
#include "framework/core/win_types.h"
#include "framework/resources/dialog_init.h"
#include "framework/resources/dialog_template.h"
#include "framework/resources/resource_image.h"
#include "framework/resources/string_table.h"
#include "tests/framework/res/test_resources.h"

namespace {

TEST(ResourceReaders, ReadTheTemplateListDataAndStringsWindresWrote) {
    const auto bytes = AfxGetResourceImage().Find(ResourceType::Dialog, IDD_EXCHANGE, 0x0409);
    ASSERT_TRUE(bytes.has_value());
    const auto dialog = ParseDialogTemplate(*bytes);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_TRUE(dialog->extended);
    EXPECT_EQ(dialog->caption, "Exchange");
    EXPECT_EQ(std::tuple(dialog->cx, dialog->cy, dialog->pointSize), std::tuple(120, 90, 8));
    ASSERT_EQ(dialog->controls.size(), 10u);
    const DialogControl& caption = dialog->controls[1];
    EXPECT_TRUE(caption.IsClass(ControlClass::Static));
    EXPECT_EQ(caption.title.text, "&First:");
    EXPECT_EQ(std::tuple(caption.x, caption.y, caption.cx, caption.cy), std::tuple(5, 7, 20, 8));
    EXPECT_TRUE(dialog->controls[2].IsClass(ControlClass::Edit)) << "EDITTEXT";
    EXPECT_TRUE(dialog->controls[6].IsAutoToggle());
    EXPECT_TRUE(dialog->controls[8].IsClass(ControlClass::ComboBox)) << "COMBOBOX";

    const auto init = AfxGetResourceImage().Find(ResourceType::DialogInit, IDD_EXCHANGE);
    ASSERT_TRUE(init.has_value());
    const auto records = ParseDialogInit(*init);
    ASSERT_TRUE(records.has_value());
    std::vector<std::string> texts;
    for (const DialogInitRecord& record : *records) {
        EXPECT_EQ(record.message, DialogInitComboAddString);
        texts.push_back(std::to_string(record.controlId) + " " + record.text);
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"106 One", "106 Two", "106 Three", "107 a", "107 b"}));

    EXPECT_EQ(FindString(AfxGetResourceImage(), IDS_GREETING), "&Hello");
    EXPECT_FALSE(FindString(AfxGetResourceImage(), IDS_GREETING + 1).has_value());
}

TEST(ResourceReaders, RefuseEveryTruncationOfTheImage) {
    const auto image = AfxProgramResourceImage();
    for (std::size_t size = 1; size < image.size(); size += 7) {
        const auto parsed = ResourceImage::Parse(image.first(size));
        if (parsed) {
            for (const ResourceEntry& entry : parsed->entries()) {
                EXPECT_LE(entry.data.data() + entry.data.size(), image.data() + size);
            }
        }
    }
    const auto dialog = *AfxGetResourceImage().Find(ResourceType::Dialog, IDD_EXCHANGE);
    for (std::size_t size = 0; size + 1 < dialog.size(); ++size) {
        EXPECT_FALSE(ParseDialogTemplate(dialog.first(size)).has_value()) << size;
    }
    const auto init = *AfxGetResourceImage().Find(ResourceType::DialogInit, IDD_EXCHANGE);
    EXPECT_FALSE(ParseDialogInit(init.first(11)).has_value());
}

}  // namespace
