#pragma once
// The base of every widget: place, size, colours, text and bindings to screen methods.
#include <memory>
#include <string>
#include <vector>

#include "platform/image.hpp"

class t_binding {
public:
    std::string event_name;
    std::string method_name;
    std::vector<std::string> method_arguments;
};

// A rectangle on a menu screen: body, bevel, picture cell and caption.
class t_widget {
public:
    virtual ~t_widget() = default;

    virtual void set_geometry(int x_, int y_, int w_, int h_);
    virtual void set_position(int x_, int y_);
    virtual void set_size(int w_, int h_);
    virtual void set_size_by_text();
    virtual void set_frame(int frame_w_, int frame_h_, int frame_x_, int frame_y_);
    virtual void set_colors(int body_, int light_border_, int dark_border_);
    virtual void set_text(const std::string& text_, int align_, int charset_);
    virtual bool mouse_over() const;
    virtual void update() {}
    virtual void render(); // abstract: fatal on a plain widget
    virtual void bind(const std::string& event, const std::string& method, std::vector<std::string> arguments = {});
    virtual void set_entry_mode(int flag) { entry_mode = flag; }
    virtual void toggle_entry_mode() { entry_mode = entry_mode != 0 ? 0 : 1; }
    // Keys typed now belong to the widget (text entry or key capture), not to the screen.
    virtual bool takes_keys() const { return entry_mode != 0; }
    virtual int get_changed() const { return changed; }
    virtual void set_changed(int flag) { changed = flag; }

    int x = 0, y = 0, w = 0, h = 0;
    t_image_ref image;
    int frame_w = 0, frame_h = 0, frame_x = 0, frame_y = 0;
    int body = 0;
    int light_border = 0;
    int dark_border = 0;
    std::string text;
    int charset = 0;
    int align = 0;
    t_image_ref img_ucode;
    int visible = 1;
    int active = 0;
    int selected = 0;
    int blinking = 0;
    std::vector<t_binding> bindings;
    int entry_mode = 0;
    int changed = 0;
};

using t_widget_ref = std::shared_ptr<t_widget>;
