const style = document.createElement('style');
style.textContent = '* { line-height: 1.5 !important; letter-spacing: 0.12em !important;' +
                    ' word-spacing: 0.16em !important; }' +
                    ' p { margin-bottom: 2em !important; }';
document.head.appendChild(style);
return new Promise(resolve => requestAnimationFrame(() => requestAnimationFrame(resolve)));
