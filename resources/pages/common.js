// Scripts shared by the main page and the popup page.

// The program's generated links fire clicks with fireEvent('onclick'), as older engines did:
// dispatch a real event, so inline handlers and listeners both run.
if (!Element.prototype.fireEvent) {
    Element.prototype.fireEvent = function (name) {
        var type = String(name).replace(/^on/i, '').toLowerCase();
        var mouse = /^(click|dblclick|contextmenu|mouse)/.test(type);
        var ev = mouse ? new MouseEvent(type, { bubbles: true, cancelable: true, view: window })
                       : new Event(type, { bubbles: true, cancelable: true });
        return this.dispatchEvent(ev);
    };
}

// F5 would reload the page and lose everything the program has written into it.
function KeyDown(e) {
    var ev = e || window.event;
    if (ev && ev.keyCode == 116) {
        ev.preventDefault();
        ev.stopPropagation();
        return false;
    }
    return true;
}
