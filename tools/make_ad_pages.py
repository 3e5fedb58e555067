#!/usr/bin/env python3
"""Writes the eighteen local web-panel pages into assets/AD/Ads.

Each page is made for the visible part of its panel: the browser lies shifted
up and left inside its clip area, so the content box starts at that offset.
Pages are self-contained (inline CSS and SVG, no remote resources) and show
short tips for using the program, turning over every few seconds.
Run: python3 tools/make_ad_pages.py
"""
import html
import json
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "AD", "Ads")

FONT = "'Noto Sans CJK SC','Source Han Sans SC','WenQuanYi Micro Hei','Microsoft YaHei',sans-serif"

# name: (left, top, width, height) of the visible part in page coordinates
ICON = {
    "clock": '<svg viewBox="0 0 24 24"><circle cx="12" cy="13" r="8" fill="none" stroke="currentColor" stroke-width="2"/>'
             '<path d="M12 9v4l3 2M5 4l3 2M19 4l-3 2" stroke="currentColor" stroke-width="2" fill="none" stroke-linecap="round"/></svg>',
    "note": '<svg viewBox="0 0 24 24"><rect x="5" y="3" width="14" height="18" rx="2" fill="none" stroke="currentColor" stroke-width="2"/>'
            '<path d="M8 8h8M8 12h8M8 16h5" stroke="currentColor" stroke-width="2" stroke-linecap="round"/></svg>',
    "timer": '<svg viewBox="0 0 24 24"><path d="M7 3h10M7 21h10M8 3c0 5 8 6 8 9s-8 4-8 9M16 3c0 5-8 6-8 9" fill="none" stroke="currentColor" stroke-width="2" stroke-linecap="round"/></svg>',
    "run": '<svg viewBox="0 0 24 24"><rect x="3" y="4" width="18" height="14" rx="2" fill="none" stroke="currentColor" stroke-width="2"/>'
           '<path d="M10 8l5 3-5 3z" fill="currentColor"/><path d="M8 21h8" stroke="currentColor" stroke-width="2" stroke-linecap="round"/></svg>',
    "power": '<svg viewBox="0 0 24 24"><path d="M12 3v8" stroke="currentColor" stroke-width="2" stroke-linecap="round"/>'
             '<path d="M7 6.5a7 7 0 1 0 10 0" fill="none" stroke="currentColor" stroke-width="2" stroke-linecap="round"/></svg>',
    "home": '<svg viewBox="0 0 24 24"><path d="M3 11l9-7 9 7M6 10v10h12V10" fill="none" stroke="currentColor" stroke-width="2" stroke-linejoin="round"/>'
            '<path d="M10 20v-5h4v5" fill="none" stroke="currentColor" stroke-width="2"/></svg>',
    "bell": '<svg viewBox="0 0 24 24"><path d="M6 16V11a6 6 0 0 1 12 0v5l2 2H4z" fill="none" stroke="currentColor" stroke-width="2" stroke-linejoin="round"/>'
            '<path d="M10 20a2 2 0 0 0 4 0" fill="none" stroke="currentColor" stroke-width="2"/></svg>',
    "star": '<svg viewBox="0 0 24 24"><path d="M12 3l2.6 5.6 6.1.7-4.5 4.2 1.2 6L12 16.6 6.6 19.5l1.2-6L3.3 9.3l6.1-.7z" fill="currentColor"/></svg>',
}

THEMES = {  # gradient from, to, accent
    "home": ("#e8f1fc", "#c9dcf3", "#2b5d9c"),
    "today": ("#eaf7ec", "#cbe8d0", "#2e7d3a"),
    "clock": ("#fff4e3", "#fbdfb4", "#b0650c"),
    "time": ("#f1ecfb", "#d9cdf3", "#5b3fa0"),
    "exe": ("#e6f6f7", "#c3e6ea", "#1f7480"),
    "off": ("#fdeceb", "#f6cdca", "#a8322b"),
    "plain": ("#f3f6fa", "#dfe6ef", "#3a5878"),
}

PAGES = [
    # file, visible box, layout, theme, icon, title, tips
    ("TJ468X60_3.html", (0, 3, 468, 60), "wide", "home", "home", "青雀日程助手",
     ["首页“快速新建”一键创建闹钟、日程、计时、程序和关机任务。",
      "“近期任务”列出所有未完成的任务，双击即可查看。",
      "每个任务都可以按阳历或农历到期，并可每时、每天、每周、每月、每年重复。",
      "关闭按钮可设为退出程序或隐藏到通知区域，在“系统设置”中选择。"]),
    ("TJ468X60_1.html", (0, 3, 468, 60), "wide", "today", "note", "今日日程",
     ["把今天要办的事记成日程，到时自动提醒。",
      "桌面记事贴在桌面上，直接在上面写字，关闭程序时自动保存。",
      "右键点击桌面记事，可以换字体、背景颜色、透明方式和图片。",
      "上方的下拉框可在“未完成”和“已完成”的日程之间切换。"]),
    ("TJ468X60_2.html", (0, 3, 468, 60), "wide", "clock", "clock", "闹钟任务",
     ["闹钟到点响铃并弹出提醒，可以“完成”、“修改”或“延时”。",
      "延时可选 5 分钟到 1 周共十二档。",
      "在系统设置里可以换成你喜欢的提醒声音。",
      "农历闹钟适合记生日和节日，每年按农历自动提醒。"]),
    ("TJ468X60_7.html", (0, 3, 468, 60), "wide", "time", "timer", "倒计时器",
     ["倒计时列表实时显示每个计时还剩多少天、小时、分和秒。",
      "到时间后显示“已经完成”，并像闹钟一样弹出提醒。",
      "考试、纪念日、项目截止，都可以设一个倒计时。"]),
    ("TJ468X60_5.html", (0, 3, 468, 60), "wide", "off", "power", "定时关机",
     ["定时关机到点前会倒数一分钟，随时可以“取消关机”。",
      "也可以“马上关机”，或者延时一段时间再关。",
      "设为每天重复，晚上到点自动关机，省电又放心。"]),
    ("TJ468X60_6.html", (0, 3, 468, 60), "wide", "exe", "run", "执行程序",
     ["到点自动启动指定的程序，可以选择正常、最小化或最大化窗口。",
      "每天开机后定时打开常用软件，省去一个个点击。",
      "一次性的程序任务启动后自动转为已完成。"]),
    ("TJ468X60_8.html", (0, 3, 468, 60), "wide", "plain", "bell", "提醒小贴士",
     ["“完成”结束一次性的任务，“修改”重新设置时间和内容。",
      "“延时”：从下拉框选择 5 分钟到 1 周，到时再提醒一次。",
      "关机提示可“取消关机”或“延时”，60 秒不选就自动关机。"]),
    ("TJ468X60_9.html", (0, 3, 466, 59), "wide", "today", "note", "桌面记事",
     ["直接在上面的框里写下今天的安排，程序会自动保存。",
      "右键菜单可设置字体、透明或不透明背景和背景颜色。",
      "按住图片空白处拖动，可以把记事移到桌面任意位置。"]),
    ("sy185X135.htm", (3, 2, 185, 130), "tall", "home", "home", "使用入门",
     ["用“快速新建”创建任务", "“主菜单”里可设置换肤", "双击托盘图标恢复窗口"]),
    ("jrrc185X135.htm", (3, 2, 185, 130), "tall", "today", "note", "日程小贴士",
     ["日程适合记会议和约会", "到点弹出提醒并响铃", "桌面记事随手记下今天"]),
    ("nzrw185X135.htm", (3, 2, 185, 130), "tall", "clock", "clock", "闹钟小贴士",
     ["支持每天、每周等重复", "农历闹钟按农历响铃", "双击列表即可修改闹钟"]),
    ("djs185X135.htm", (3, 2, 185, 130), "tall", "time", "timer", "倒计时小贴士",
     ["剩余时间每秒刷新", "到点同样弹出提醒", "下拉框可看已完成计时"]),
    ("dsgj185X135.htm", (3, 2, 185, 130), "tall", "off", "power", "关机小贴士",
     ["关机前倒数 60 秒", "按“取消关机”即可取消", "可设为每天定时关机"]),
    ("zxcx185X135.htm", (3, 2, 185, 130), "tall", "exe", "run", "程序小贴士",
     ["选择程序文件即可", "窗口可最小化或最大化", "适合定时打开常用软件"]),
    ("tj185X80.html", (5, 3, 185, 80), "card", "plain", "star", "你知道吗？",
     ["整点报时可在系统设置中开关。", "程序提供六种皮肤可选。", "可以设置开机自动启动。", "所有数据都保存在程序文件夹里。"]),
    ("tj153X60.html", (1, 3, 153, 60), "mini", "plain", "bell", "小提示",
     ["任务到点自动提醒", "支持农历日期", "延时最长可达 1 周", "六种皮肤随心换"]),
    ("TJ468X15.html", (4, 3, 468, 21), "line", "home", "star", None,
     ["青雀日程助手：闹钟、日程、倒计时、定时运行程序和定时关机，一个小窗口全搞定。",
      "提示：在“系统设置”中可以开启开机自动启动和整点报时。"]),
    ("TJ360X30.html", (0, 3, 360, 30), "line", "today", "note", None,
     ["今天也要元气满满！写下今天最重要的三件事吧。", "提示：右键点击记事可以更换字体和背景。"]),
]

CSS_COMMON = """html,body{margin:0;padding:0;overflow:hidden;background:%(bg)s;}
#ad{position:absolute;left:%(l)dpx;top:%(t)dpx;width:%(w)dpx;height:%(h)dpx;box-sizing:border-box;overflow:hidden;
 font-family:%(font)s;color:#223;background:linear-gradient(135deg,%(c1)s 0%%,%(c2)s 100%%);
 border:1px solid %(border)s;border-radius:%(radius)dpx;}
.ic{color:%(accent)s;flex:none;}
.ic svg{width:100%%;height:100%%;display:block;}
.tip{transition:opacity .6s ease;}
.fade{opacity:0;}
"""

LAYOUT_CSS = {
    "wide": """#ad{display:flex;align-items:center;padding:0 14px;gap:12px;}
.ic{width:34px;height:34px;padding:6px;border-radius:50%%;background:rgba(255,255,255,.75);box-shadow:0 1px 3px rgba(0,0,0,.15);}
.body{flex:1;min-width:0;}
.title{font-size:13px;font-weight:bold;color:%(accent)s;letter-spacing:1px;}
.tip{font-size:12px;line-height:17px;margin-top:2px;height:34px;overflow:hidden;}
""",
    "tall": """#ad{padding:10px 11px;}
.head{display:flex;align-items:center;gap:6px;border-bottom:1px solid rgba(0,0,0,.12);padding-bottom:6px;}
.ic{width:22px;height:22px;}
.title{font-size:13px;font-weight:bold;color:%(accent)s;}
ul{margin:7px 0 0 0;padding:0;list-style:none;}
li{font-size:12px;line-height:16px;margin-bottom:5px;padding-left:10px;position:relative;}
li:before{content:"";position:absolute;left:0;top:6px;width:4px;height:4px;border-radius:2px;background:%(accent)s;}
""",
    "card": """#ad{padding:8px 10px;}
.head{display:flex;align-items:center;gap:5px;}
.ic{width:16px;height:16px;}
.title{font-size:12px;font-weight:bold;color:%(accent)s;}
.tip{font-size:12px;line-height:17px;margin-top:6px;height:34px;overflow:hidden;}
""",
    "mini": """#ad{display:flex;align-items:center;padding:0 8px;gap:7px;}
.ic{width:24px;height:24px;}
.title{font-size:11px;font-weight:bold;color:%(accent)s;}
.tip{font-size:12px;line-height:16px;}
""",
    "line": """#ad{display:flex;align-items:center;padding:0 8px;gap:6px;border-radius:3px;}
.ic{width:13px;height:13px;}
.tip{font-size:12px;line-height:14px;white-space:nowrap;overflow:hidden;text-overflow:ellipsis;}
""",
}

SCRIPT = """<script>
(function(){var t=%s,i=0,e=document.getElementById('tip');if(!e||t.length<2)return;
setInterval(function(){e.className='tip fade';setTimeout(function(){i=(i+1)%%t.length;e.textContent=t[i];e.className='tip';},600);},7000);})();
</script>"""


def page(name, box, layout, theme, icon, title, tips):
    c1, c2, accent = THEMES[theme]
    left, top, w, h = box
    vars_ = dict(l=left, t=top, w=w, h=h, font=FONT, c1=c1, c2=c2, accent=accent, bg=c2,
                 border="rgba(0,0,0,.10)", radius=4 if layout != "line" else 3)
    css = (CSS_COMMON + LAYOUT_CSS[layout]) % vars_
    ic = '<div class="ic">%s</div>' % ICON[icon]
    esc = html.escape
    if layout == "tall":
        items = "".join("<li>%s</li>" % esc(t) for t in tips)
        body = '<div class="head">%s<div class="title">%s</div></div><ul>%s</ul>' % (ic, esc(title), items)
        script = ""
    elif layout == "line":
        body = '%s<div class="tip" id="tip">%s</div>' % (ic, esc(tips[0]))
        script = SCRIPT % json.dumps(tips, ensure_ascii=False)
    elif layout == "card":
        body = '<div class="head">%s<div class="title">%s</div></div><div class="tip" id="tip">%s</div>' % (
            ic, esc(title), esc(tips[0]))
        script = SCRIPT % json.dumps(tips, ensure_ascii=False)
    else:
        body = '%s<div class="body"><div class="title">%s</div><div class="tip" id="tip">%s</div></div>' % (
            ic, esc(title), esc(tips[0]))
        script = SCRIPT % json.dumps(tips, ensure_ascii=False)
    return ("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>%s</title>\n<style>\n%s</style>\n</head>\n<body>\n<div id=\"ad\">%s</div>\n%s\n</body>\n</html>\n"
            % (esc(title or tips[0][:10]), css, body, script))


def main():
    os.makedirs(OUT, exist_ok=True)
    for p in PAGES:
        with open(os.path.join(OUT, p[0]), "w", encoding="utf-8", newline="\n") as f:
            f.write(page(*p))
    print("wrote %d pages to %s" % (len(PAGES), os.path.normpath(OUT)))


if __name__ == "__main__":
    main()
