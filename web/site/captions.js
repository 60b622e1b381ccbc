// Captions as the program designs them: "&Print Results" shows "Print Results" with P as its access key;
// "&&" is an ampersand.
export function plainCaption(caption) {
  return caption.replace(/&(&?)/g, '$1');
}

export function accessKey(caption) {
  const m = /&([^&])/.exec(caption.replace(/&&/g, ''));
  return m ? m[1].toLowerCase() : '';
}
