#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/<target>/: small, valid inputs of each format
(records as the vendor's server sends them, a manifest, a journal batch, ZEP.xml), from
which the fuzzers start. Run again after a format changes; the files are committed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def record(mid, length, fields):
    b = bytearray(length)
    b[0:2] = struct.pack("<H", mid)
    for offset, data in fields:
        b[offset:offset + len(data)] = data
    return bytes(b)


def news(nid, text, time=b"2026-12-06 10:15:00", detail=b"1"):
    return record(1014, 200, [(2, b"100"), (5, text.encode("gb18030")), (106, struct.pack("<i", nid)),
                              (110, time), (135, detail)])


QUOTES = "EURUSD#1.08629#1.08641#5|GBPUSD#1.26512#1.26530#5|USDJPY#149.812#149.830#3|XAUUSD#2031.45#2031.95#2|"


def quotes(text=QUOTES):
    return record(1020, 512, [(2, text.encode("ascii"))])


def calendar(day, records="16:30#美联储官员发表讲话|20:30#美国#10月CPI年率#3.2%#3.1%#待公布#高#|", summary="周一"):
    return record(1019, 8192, [(2, bytes([ord("0") + day])), (3, records.encode("gb18030")),
                               (5124, summary.encode("gb18030"))])


def write(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def main():
    flash = news(200123, "美国11月非农就业人口增加22.7万，预期20万")
    heartbeat, elsewhere = struct.pack("<H", 1021), struct.pack("<H", 1017)
    # push_records: byte 0 picks the reader.
    write("push_records", "news_analysis", b"\x00" + flash)
    write("push_records", "byte_strcv", b"\x01" + calendar(1))
    write("push_records", "quote_batch", b"\x02" + quotes())
    write("push_records", "news_record", b"\x03" + flash)
    write("push_records", "login_reply", b"\x04" + record(1015, 55, [(2, struct.pack("<i", 1)), (6, b"demo")]))
    write("push_records", "client_id", b"\x05" + record(1001, 7, [(2, struct.pack("<i", 30001))]))
    write("push_records", "heartbeat_answer", b"\x09" + record(1021, 6, [(2, struct.pack("<i", 200123))]))
    write("push_records", "calendar_quotes", b"\x0b" + calendar(3))
    # push_cutter: byte 0 the number of cuts, two bytes per cut, then the stream.
    week = b"".join(calendar(d) for d in range(1, 6))
    write("push_cutter", "logon_welcome", bytes([3]) + struct.pack("<HHH", 8192 * 5, 400, 200) + week + flash +
          news(200124, "欧元区第三季度GDP终值", detail=b"0") + quotes())
    write("push_cutter", "split_news_heartbeat", bytes([0x82]) + struct.pack("<HH", 120, 80) + flash + heartbeat + flash)
    write("push_cutter", "elsewhere", bytes([1]) + struct.pack("<H", 512) + quotes() + elsewhere)
    # push_quote_text
    write("push_quote_text", "batch", QUOTES.encode("ascii"))
    write("push_quote_text", "short_items", b"EURUSD#1.1|GBPUSD#1.2#1.3#9|X##|")
    # calendar_records: a day's records text as its field carries it (GB2312).
    write("calendar_records", "day", "16:30#美联储官员发表讲话|20:30#美国#10月CPI年率#3.2%#3.1%#待公布#高#|".encode("gb18030"))
    write("calendar_records", "credits", "00:30#日本#GDP#--#低#--#--|21:30#美国#<b>非农</b>#22.7万#高#20万#?|-#x".encode("gb18030"))
    # push_remember_file
    write("push_remember_file", "demo", b"1,1,demo@quenra.test,56>@`ab,demo")
    write("push_remember_file", "comma", "1,1,张三,a,b,c,昵称".encode("gb18030"))
    # update_manifest
    write("update_manifest", "plain", b'<?xml version="1.0" encoding="utf-8"?>\n<Update><Version>1.6.1112</Version>'
          b'<URL>http://127.0.0.1:8080/product</URL><Download>http://127.0.0.1:8080/files/setup.exe</Download></Update>')
    write("update_manifest", "digest", b'<Update><Version>1.7.0001</Version><Download>x</Download><SHA256>'
          + b"ab" * 32 + b"</SHA256></Update>")
    # dom_journal_replay: batches as Journal::toJson writes them.
    write("dom_journal_replay", "rows", b'{"v":1,"seq":1,"ops":[{"op":"insert","id":20,"parent":2,"index":1,"tag":"tr"},'
          b'{"op":"insert","id":21,"parent":20,"index":0,"tag":"td"},{"op":"text","node":21,"value":"12/06 10:15"},'
          b'{"op":"attr","node":1,"name":"class","value":"x"},{"op":"style","node":3,"name":"display","value":"none","css":"display: none"}]}')
    write("dom_journal_replay", "html", b'{"v":1,"seq":2,"ops":[{"op":"html","node":8,"value":"<b>n</b><i>m</i>","first":30,"count":2},'
          b'{"op":"remove","node":30},{"op":"forget","ids":[30]},{"op":"checked","node":12,"value":true},'
          b'{"op":"order","parent":2,"ids":[5,4]},{"op":"move","node":5,"parent":2,"index":0},{"op":"rmattr","node":1,"name":"class"}]}')
    # dom_fragment: byte 0 the context, byte 1 the operations' seed, then the fragment.
    write("dom_fragment", "row", b"\x01\x07<tr><td>12/06 10:15</td><td><a href='x'>news</a></td></tr>")
    write("dom_fragment", "popup", "\x00\x03<span onClick=\"popupWin_iLink.innerText='x'\">12/06&nbsp;美国</span>".encode("utf-8"))
    # config_document: the shipped ZEP.xml, and one with a week of calendar items.
    shipped = open(os.path.join(HERE, "..", "dist", "ZEP.xml"), "rb").read()
    write("config_document", "shipped", shipped)
    item = '<Item Time="20:30" Notify="0" BeforeValue="3.2%" PredictValue="3.1%" Result="" Importance="高" Comment="">美国CPI</Item>'
    write("config_document", "calendar", ('<?xml version="1.0" encoding="gb2312"?><App><Settings><ZEP><Popup staytime="10s"/>'
          '</ZEP></Settings><FXCalendar><Week1>' + item + '</Week1><Week2/></FXCalendar></App>\0Week1').encode("gb18030"))


if __name__ == "__main__":
    main()
